#include "core/addressbook/AddressBook.h"
#include "core/conference/ConferenceRecord.h"
#include "core/session/SessionState.h"

#include <gtest/gtest.h>

namespace {

ContactRecord contact(int addressno, const char* name)
{
    ContactRecord record;
    record.addressno = addressno;
    record.addressname = name;
    return record;
}

TEST(Records, ANewContactHasTheParticipantStateOfANewCaller)
{
    const ContactRecord c;
    EXPECT_EQ(c.addressno, 0);
    EXPECT_EQ(c.sex, 0);
    EXPECT_EQ(c.addressgroupid, 0);
    EXPECT_TRUE(c.addressname.empty() && c.phone.empty() && c.email.empty() && c.clientno.empty());
    EXPECT_EQ((std::array { c.phonetype, c.callstate, c.speakstate, c.speakrequest, c.activetalker }),
        (std::array { 0, 3, 1, 0, 1 }));
}

TEST(AddressBook, RowRefsNameGroupsAndPseudoGroups)
{
    AddressBook book;
    book.setContacts({ contact(1, "甲"), contact(2, "乙"), contact(3, "丙") }, 3);
    book.setGroupCount(PanelMode::ContactGroups, 1);
    GroupEntry& friends = book.groupSlot(PanelMode::ContactGroups, 0);
    friends.id = 10;
    friends.setMembers({ contact(2, "") }, 1);
    book.ungrouped().setMembers({ contact(1, ""), contact(3, "") }, 2);

    EXPECT_EQ(book.groupAt(PanelMode::ContactGroups, { -1, 0 }), &friends);
    EXPECT_EQ(book.groupAt(PanelMode::ContactGroups, { -1, 1 }), &book.ungrouped());
    EXPECT_EQ(book.groupAt(PanelMode::ContactGroups, { -1, 2 }), nullptr);
    EXPECT_EQ(book.groupAt(PanelMode::ContactGroups, { 0, 0 }), nullptr);
    EXPECT_EQ(book.groupAt(PanelMode::ConferenceGroups, { -1, 0 }), &book.emptyConferencePseudoGroup());
    EXPECT_EQ(book.emptyConferencePseudoGroup().memberCount, 0);

    const ContactRecord* found = book.contactAt(PanelMode::ContactGroups, { 1, 1 });
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->addressname, "丙");
    EXPECT_EQ(book.contactAt(PanelMode::ContactGroups, { 1, 2 }), nullptr);
    EXPECT_EQ(book.contactAt(PanelMode::ConferenceGroups, { 0, 0 }), nullptr);

    RowRef position { -1, -1 };
    EXPECT_TRUE(book.findMemberPosition(2, &position));
    EXPECT_EQ(position, (RowRef { 0, 0 }));
    EXPECT_TRUE(book.findMemberPosition(3, &position));
    EXPECT_EQ(position, (RowRef { 1, 1 }));
    position = { -1, -1 };
    EXPECT_FALSE(book.findMemberPosition(99, &position));
    EXPECT_EQ(position, (RowRef { -1, -1 }));
}

TEST(AddressBook, ReportedCountsNeverReachPastWhatIsStored)
{
    AddressBook book;
    book.setGroupCount(PanelMode::ConferenceGroups, 150);
    EXPECT_EQ(book.groupCount(PanelMode::ConferenceGroups), AddressBook::kMaxGroups);
    EXPECT_EQ(book.groupAt(PanelMode::ConferenceGroups, { -1, 100 }), &book.emptyConferencePseudoGroup());
    EXPECT_THROW(book.groupSlot(PanelMode::ContactGroups, 100), std::out_of_range);

    book.setContacts({ contact(1, "a") }, 5);
    EXPECT_EQ(book.contactCount(), 1);
    GroupEntry& group = book.groupSlot(PanelMode::ConferenceGroups, 0);
    group.setMembers({ contact(1, "") }, 4);
    EXPECT_EQ(group.memberCount, 1);
    EXPECT_EQ(book.contactAt(PanelMode::ConferenceGroups, { 0, 3 }), nullptr);
    EXPECT_EQ(group.kind, GroupKind::ConferenceGroup);
}

TEST(SessionState, TextsAreBoundedAndAFailedBalanceKeepsTheLastOne)
{
    SessionState session;
    session.setCredentials(std::string(25, '1'), std::string(20, 'p'));
    EXPECT_EQ(session.regphoneid(), std::string(20, '1'));
    EXPECT_EQ(session.password(), std::string(15, 'p'));

    session.setBalance(0, "123456789012345", "2027-01-01");
    EXPECT_EQ(session.balance(), "12345678901");
    session.setBalance(-1, "", "");
    EXPECT_EQ(session.balance(), "12345678901");
    EXPECT_EQ(session.expiry(), "2027-01-01");
    EXPECT_EQ(session.balanceResult(), -1);
}

TEST(SessionState, ANewSignInForgetsWhatTheServiceReportedButNotTheSavedAccounts)
{
    SessionState session;
    session.savedAccounts().recordAttempt("13800138000", "123456", true, false);
    session.setBalance(0, "9.00", "");
    session.memberProfile().hostNumber = "800";
    session.runningConferences().replace({ ConferenceRecord {} }, 1);
    session.addressBook().setContacts({ contact(1, "a") }, 1);

    session.clearServiceData();
    EXPECT_EQ(session.savedAccounts().count(), 1);
    EXPECT_EQ(session.balance(), "");
    EXPECT_EQ(session.memberProfile(), MemberProfile {});
    EXPECT_EQ(session.runningConferences().count(), 0);
    EXPECT_EQ(session.addressBook().contactCount(), 0);
}

TEST(ConferenceList, TheCountNeverExceedsTheRecords)
{
    ConferenceList list;
    list.replace({ ConferenceRecord {}, ConferenceRecord {} }, 5);
    EXPECT_EQ(list.count(), 2);
    list.setSelectedIndex(1);
    EXPECT_NE(list.selected(), nullptr);
    // A reply without rows keeps the array but shows none of it.
    list.setCount(0);
    EXPECT_EQ(list.records().size(), 2u);
    EXPECT_EQ(list.selected(), nullptr);
    EXPECT_EQ(list.at(0), nullptr);
}

} // namespace
