#include "core/addressbook/PickerCandidates.h"

#include "core/addressbook/AddressBook.h"

#include <gtest/gtest.h>

namespace {

ContactRecord contact(int addressno)
{
    ContactRecord record;
    record.addressno = addressno;
    record.addressname = "c" + std::to_string(addressno);
    return record;
}

std::vector<int> numbersOf(const std::vector<ContactRecord>& records)
{
    std::vector<int> numbers;
    for (const ContactRecord& record : records)
        numbers.push_back(record.addressno);
    return numbers;
}

// Contacts 5, 3, 8, 1 in service order; 8 and 1 are in no contact group; conference
// group "周会" holds 3.
AddressBook book()
{
    AddressBook book;
    book.setContacts({ contact(5), contact(3), contact(8), contact(1) }, 4);
    book.setGroupCount(PanelMode::ContactGroups, 1);
    book.groupSlot(PanelMode::ContactGroups, 0).setMembers({ contact(5), contact(3) }, 2);
    book.ungrouped().setMembers({ contact(8), contact(1) }, 2);
    book.setGroupCount(PanelMode::ConferenceGroups, 1);
    book.groupSlot(PanelMode::ConferenceGroups, 0).setMembers({ contact(3) }, 1);
    return book;
}

} // namespace

TEST(PickerCandidatesTest, aContactGroupIsOfferedTheContactsInNoContactGroup)
{
    EXPECT_EQ(numbersOf(pickerCandidates(book(), GroupKind::ContactGroup)), (std::vector<int> { 8, 1 }));
}

TEST(PickerCandidatesTest, aConferenceGroupIsOfferedEveryContactAlsoItsOwnMembers)
{
    EXPECT_EQ(numbersOf(pickerCandidates(book(), GroupKind::ConferenceGroup)), (std::vector<int> { 5, 3, 8, 1 }));
}

TEST(PickerCandidatesTest, onlyWhatTheLastLoadReportedIsOffered)
{
    AddressBook emptied = book();
    // Replies without rows: the counts drop, the old records stay behind them.
    emptied.ungrouped().setMemberCount(0);
    emptied.setContactCount(0);
    EXPECT_TRUE(pickerCandidates(emptied, GroupKind::ContactGroup).empty());
    EXPECT_TRUE(pickerCandidates(emptied, GroupKind::ConferenceGroup).empty());

    // A count beyond the records never reads past them.
    AddressBook overCounted = book();
    overCounted.ungrouped().memberCount = 9;
    EXPECT_EQ(numbersOf(pickerCandidates(overCounted, GroupKind::ContactGroup)), (std::vector<int> { 8, 1 }));
    overCounted.ungrouped().memberCount = 1;
    EXPECT_EQ(numbersOf(pickerCandidates(overCounted, GroupKind::ContactGroup)), (std::vector<int> { 8 }));
}
