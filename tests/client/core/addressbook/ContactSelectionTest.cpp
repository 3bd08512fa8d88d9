#include "core/addressbook/ContactSelection.h"
#include "core/addressbook/AddressBook.h"

#include <gtest/gtest.h>

namespace {

ContactRecord contact(int addressno, const std::string& phone)
{
    ContactRecord record;
    record.addressno = addressno;
    record.addressname = "联系人" + std::to_string(addressno);
    record.phone = phone;
    return record;
}

std::vector<std::string> phonesOf(const std::vector<ContactRecord>& contacts)
{
    std::vector<std::string> phones;
    for (const ContactRecord& each : contacts)
        phones.push_back(each.phone);
    return phones;
}

// Two contact groups, one contact in none, one conference group; a count of three
// contacts although four records arrived once (the count decides).
class ContactSelectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_book.setContacts({ contact(1, "101"), contact(2, "102"), contact(3, "103"), contact(4, "104") }, 3);
        m_book.setGroupCount(PanelMode::ContactGroups, 2);
        m_book.groupSlot(PanelMode::ContactGroups, 0).setMembers({ contact(1, "101") }, 1);
        m_book.groupSlot(PanelMode::ContactGroups, 1).setMembers({ contact(2, "102") }, 1);
        m_book.ungrouped().setMembers({ contact(3, "103") }, 1);
        m_book.setGroupCount(PanelMode::ConferenceGroups, 1);
        m_book.groupSlot(PanelMode::ConferenceGroups, 0).setMembers({ contact(3, "103"), contact(1, "101") }, 2);
    }

    std::vector<std::string> select(PanelMode mode, int parent, int index) const
    {
        return phonesOf(selectedContacts(m_book, mode, parent, index));
    }

    AddressBook m_book;
};

using Phones = std::vector<std::string>;

TEST_F(ContactSelectionTest, WholeGroupsAndTheWholeBook)
{
    EXPECT_EQ(select(PanelMode::ContactGroups, -1, -1), (Phones { "101", "102", "103" }));
    EXPECT_EQ(select(PanelMode::ConferenceGroups, -1, -1), (Phones { "101", "102", "103" }));
    EXPECT_EQ(select(PanelMode::ContactGroups, -1, 1), Phones { "102" });
    EXPECT_EQ(select(PanelMode::ConferenceGroups, -1, 0), (Phones { "103", "101" }));
    // One past the groups: the contacts in no group, and for conference groups none.
    EXPECT_EQ(select(PanelMode::ContactGroups, -1, 2), Phones { "103" });
    EXPECT_EQ(select(PanelMode::ConferenceGroups, -1, 1), Phones {});
    EXPECT_EQ(select(PanelMode::ContactGroups, -1, 3), Phones {});
}

TEST_F(ContactSelectionTest, OneMemberOfAGroupOrOfThePseudoGroup)
{
    EXPECT_EQ(select(PanelMode::ConferenceGroups, 0, 1), Phones { "101" });
    EXPECT_EQ(select(PanelMode::ContactGroups, 2, 0), Phones { "103" });
    for (const auto& [parent, index] : { std::pair { 0, 1 }, { 0, -1 }, { 3, 0 }, { 2, 1 } })
        EXPECT_EQ(select(PanelMode::ContactGroups, parent, index), Phones {}) << parent << "," << index;
    EXPECT_EQ(select(PanelMode::ConferenceGroups, 1, 0), Phones {});
}

} // namespace
