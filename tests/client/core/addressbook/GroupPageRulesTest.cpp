#include "core/addressbook/GroupPageRules.h"

#include "core/addressbook/AddressBook.h"

#include <gtest/gtest.h>

namespace {

ContactRecord contact(
    int addressno, std::string name, std::string phone, int groupId = 0, std::string group = {}, std::string email = {})
{
    ContactRecord record;
    record.addressno = addressno;
    record.addressname = std::move(name);
    record.phone = std::move(phone);
    record.addressgroupid = groupId;
    record.addressgroupname = std::move(group);
    record.email = std::move(email);
    return record;
}

ContactRecord member(int addressno)
{
    ContactRecord record;
    record.addressno = addressno;
    record.addressname = "member-only"; // a member row's own texts are never shown
    return record;
}

std::vector<int> numbersOf(const std::vector<ContactRecord>& records)
{
    std::vector<int> numbers;
    for (const ContactRecord& record : records)
        numbers.push_back(record.addressno);
    return numbers;
}

// Contact group "同事" (id 11): contacts 1 and 2, and 9 which is not among the contacts.
// Contact 3 is in no group. Conference group "周会" (id 21): contacts 2 and 3.
AddressBook book()
{
    AddressBook book;
    book.setContacts({ contact(1, "王芳", "13911110001", 11, "同事", "wang@example.com"),
                         contact(2, "Li Na", "13922220002", 11, "同事"), contact(3, "张 伟", "13633330003") },
        3);
    book.setGroupCount(PanelMode::ContactGroups, 1);
    GroupEntry& colleagues = book.groupSlot(PanelMode::ContactGroups, 0);
    colleagues.id = 11;
    colleagues.name = "同事";
    colleagues.setMembers({ member(1), member(9), member(2) }, 3);
    book.ungrouped().setMembers({ member(3) }, 1);
    book.setGroupCount(PanelMode::ConferenceGroups, 1);
    GroupEntry& weekly = book.groupSlot(PanelMode::ConferenceGroups, 0);
    weekly.id = 21;
    weekly.name = "周会";
    weekly.kind = GroupKind::ConferenceGroup;
    weekly.setMembers({ member(2), member(3) }, 2);
    return book;
}

} // namespace

TEST(GroupPageRulesTest, groupsAreFoundByKindAndId)
{
    const AddressBook b = book();
    EXPECT_EQ(groupById(b, GroupKind::ContactGroup, 11), &b.groupSlot(PanelMode::ContactGroups, 0));
    EXPECT_EQ(groupById(b, GroupKind::ConferenceGroup, 21), &b.groupSlot(PanelMode::ConferenceGroups, 0));
    EXPECT_EQ(groupById(b, GroupKind::ContactGroup, 0), &b.ungrouped());
    EXPECT_EQ(groupById(b, GroupKind::ConferenceGroup, 0), &b.emptyConferencePseudoGroup());
    // Ids are per kind, and a group gone with the last load is not found.
    EXPECT_EQ(groupById(b, GroupKind::ConferenceGroup, 11), nullptr);
    AddressBook reloaded = book();
    reloaded.setGroupCount(PanelMode::ContactGroups, 0);
    EXPECT_EQ(groupById(reloaded, GroupKind::ContactGroup, 11), nullptr);
}

TEST(GroupPageRulesTest, rowsAreTheMembersFullRecordsFilteredByTheSearch)
{
    const AddressBook b = book();
    const GroupEntry& colleagues = b.groupSlot(PanelMode::ContactGroups, 0);
    const std::vector<ContactRecord> all = groupPageRows(b, colleagues, "");
    ASSERT_EQ(numbersOf(all), (std::vector<int> { 1, 2 }));
    EXPECT_EQ(all.front().addressname, "王芳");
    EXPECT_EQ(all.front().email, "wang@example.com");

    struct Row {
        const char* search;
        std::vector<int> expected;
    };
    const Row rows[] = {
        { "   ", { 1, 2 } }, // blanks only: everyone
        { "王", { 1 } }, // name
        { " 2222 ", { 2 } }, // number, the blanks around it removed
        { "同事", { 1, 2 } }, // contact group
        { "example", { 1 } }, // e-mail
        { "li na", {} }, // as typed: letter case counts
        { "Li Na", { 2 } }, // blanks inside stay
        { "member-only", {} }, // the member row's own texts are not searched
    };
    for (const Row& row : rows)
        EXPECT_EQ(numbersOf(groupPageRows(b, colleagues, row.search)), row.expected) << row.search;

    // The pseudo-groups and conference groups alike.
    EXPECT_EQ(numbersOf(groupPageRows(b, b.ungrouped(), "")), (std::vector<int> { 3 }));
    EXPECT_EQ(
        numbersOf(groupPageRows(b, b.groupSlot(PanelMode::ConferenceGroups, 0), "张 ")), (std::vector<int> { 3 }));
    EXPECT_TRUE(groupPageRows(b, b.emptyConferencePseudoGroup(), "").empty());
}

TEST(GroupPageRulesTest, onlyNamedGroupsAreStored)
{
    const AddressBook b = book();
    EXPECT_TRUE(isStoredGroup(b.groupSlot(PanelMode::ContactGroups, 0)));
    EXPECT_FALSE(isStoredGroup(b.ungrouped()));
    EXPECT_FALSE(isStoredGroup(b.emptyConferencePseudoGroup()));
}

TEST(GroupPageRulesTest, aRenameReachesTheMembersOnlyForAContactGroup)
{
    AddressBook b = book();
    applyGroupRename(b, GroupKind::ContactGroup, 11, "老同事");
    EXPECT_EQ(b.groupSlot(PanelMode::ContactGroups, 0).name, "老同事");
    EXPECT_EQ(b.contacts()[0].addressgroupname, "老同事");
    EXPECT_EQ(b.contacts()[1].addressgroupname, "老同事");
    EXPECT_EQ(b.contacts()[2].addressgroupname, "");
    EXPECT_EQ(b.contactCount(), 3);

    // Contact 2 is in "周会" too, but its contact group is still "老同事".
    applyGroupRename(b, GroupKind::ConferenceGroup, 21, "周例会");
    EXPECT_EQ(b.groupSlot(PanelMode::ConferenceGroups, 0).name, "周例会");
    EXPECT_EQ(b.contacts()[1].addressgroupname, "老同事");
    EXPECT_EQ(b.contacts()[2].addressgroupname, "");

    // No group of that id: nothing changes.
    applyGroupRename(b, GroupKind::ContactGroup, 99, "无");
    applyGroupRename(b, GroupKind::ContactGroup, 0, "无");
    EXPECT_EQ(b.groupSlot(PanelMode::ContactGroups, 0).name, "老同事");
    EXPECT_EQ(b.ungrouped().name, "");
}
