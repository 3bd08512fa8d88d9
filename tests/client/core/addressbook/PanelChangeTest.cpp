#include "core/addressbook/PanelChange.h"
#include "core/addressbook/AddressBook.h"

#include <gtest/gtest.h>

namespace {

ContactRecord contact(int addressno, int addressgroupid = 0)
{
    ContactRecord record;
    record.addressno = addressno;
    record.addressgroupid = addressgroupid;
    return record;
}

// Contact groups "同事" (id 11) and "家人" (id 12); contact 2 is listed under
// "同事" while its own record says it belongs to group 15, and contact 4 is listed
// but missing from the contacts. Contact 3 is ungrouped. Conference groups "周会"
// (id 21) with contacts 1 and 3, and "项目" (id 22).
AddressBook book()
{
    AddressBook book;
    book.setContacts({ contact(1, 11), contact(2, 15), contact(3) }, 3);
    book.setGroupCount(PanelMode::ContactGroups, 2);
    GroupEntry& colleagues = book.groupSlot(PanelMode::ContactGroups, 0);
    colleagues.id = 11;
    colleagues.name = "同事";
    colleagues.setMembers({ contact(1), contact(2), contact(4) }, 3);
    GroupEntry& family = book.groupSlot(PanelMode::ContactGroups, 1);
    family.id = 12;
    family.name = "家人";
    book.ungrouped().setMembers({ contact(3) }, 1);
    book.setGroupCount(PanelMode::ConferenceGroups, 2);
    GroupEntry& weekly = book.groupSlot(PanelMode::ConferenceGroups, 0);
    weekly.id = 21;
    weekly.name = "周会";
    weekly.setMembers({ contact(1), contact(3) }, 2);
    GroupEntry& project = book.groupSlot(PanelMode::ConferenceGroups, 1);
    project.id = 22;
    project.name = "项目";
    return book;
}

using Op = PanelChange::Operation;
constexpr PanelMode kContacts = PanelMode::ContactGroups;
constexpr PanelMode kConferences = PanelMode::ConferenceGroups;

PanelChange change(Op operation, GroupKind kind, int groupId, int toGroupId, int addressno, std::string name = {})
{
    return { operation, kind, groupId, toGroupId, addressno, std::move(name) };
}

} // namespace

TEST(PanelChange, GroupsAreAddedAndDeletedInTheTableOfTheMode)
{
    const AddressBook contacts = book();
    EXPECT_EQ(addGroupChange(kConferences, "未命名分组"),
        change(Op::AddGroup, GroupKind::ConferenceGroup, 0, 0, 0, "未命名分组"));
    EXPECT_EQ(addGroupChange(kContacts, "未命名分组").kind, GroupKind::ContactGroup);

    EXPECT_EQ(deleteGroupChange(contacts, { kContacts, { -1, 1 } }),
        change(Op::DeleteGroup, GroupKind::ContactGroup, 12, 0, 0, "家人"));
    EXPECT_EQ(deleteGroupChange(contacts, { kConferences, { -1, 1 } }),
        change(Op::DeleteGroup, GroupKind::ConferenceGroup, 22, 0, 0, "项目"));
    // The pseudo-group goes to the service as it is, id 0 and no name.
    EXPECT_EQ(deleteGroupChange(contacts, { kContacts, { -1, 2 } }),
        change(Op::DeleteGroup, GroupKind::ContactGroup, 0, 0, 0, ""));
    EXPECT_EQ(deleteGroupChange(contacts, { kContacts, { 0, 1 } }), std::nullopt);
    EXPECT_EQ(deleteGroupChange(contacts, { kContacts, { -1, 3 } }), std::nullopt);
    EXPECT_EQ(deleteGroupChange(contacts, { kContacts, { -1, -1 } }), std::nullopt);
}

TEST(PanelChange, AContactIsDeletedOrLeavesTheConferenceGroupOfItsRow)
{
    const AddressBook contacts = book();
    EXPECT_EQ(deleteContactChange(contacts, { kContacts, { 0, 1 } }),
        change(Op::DeleteContact, GroupKind::ContactGroup, 0, 0, 2));
    EXPECT_EQ(deleteContactChange(contacts, { kContacts, { 2, 0 } }),
        change(Op::DeleteContact, GroupKind::ContactGroup, 0, 0, 3));
    EXPECT_EQ(deleteContactChange(contacts, { kConferences, { 0, 1 } }),
        change(Op::RemoveMember, GroupKind::ConferenceGroup, 21, 0, 3));
    EXPECT_EQ(deleteContactChange(contacts, { kContacts, { 0, 2 } }), std::nullopt); // not in the contacts
    EXPECT_EQ(deleteContactChange(contacts, { kContacts, { -1, 0 } }), std::nullopt);
    EXPECT_EQ(deleteContactChange(contacts, { kConferences, { 1, 0 } }), std::nullopt);
}

TEST(PanelChange, AMoveLeavesTheContactsOwnGroupOrTheConferenceGroupOfItsRow)
{
    const AddressBook contacts = book();
    // A contact group is left by the record's own group id, not the row's group.
    EXPECT_EQ(moveContactChange(contacts, { kContacts, { 0, 1 } }, 1),
        change(Op::MoveMember, GroupKind::ContactGroup, 15, 12, 2));
    EXPECT_EQ(moveContactChange(contacts, { kContacts, { 0, 0 } }, 1),
        change(Op::MoveMember, GroupKind::ContactGroup, 11, 12, 1));
    EXPECT_EQ(moveContactChange(contacts, { kContacts, { 2, 0 } }, 0),
        change(Op::MoveMember, GroupKind::ContactGroup, 0, 11, 3));
    EXPECT_EQ(moveContactChange(contacts, { kConferences, { 0, 1 } }, 1),
        change(Op::MoveMember, GroupKind::ConferenceGroup, 21, 22, 3));

    EXPECT_EQ(moveContactChange(contacts, { kConferences, { 0, 1 } }, 2), std::nullopt); // no such group
    EXPECT_EQ(moveContactChange(contacts, { kContacts, { 0, 0 } }, -1), std::nullopt);
    EXPECT_EQ(moveContactChange(contacts, { kContacts, { 0, 2 } }, 1), std::nullopt); // not in the contacts
    EXPECT_EQ(moveContactChange(contacts, { kContacts, { -1, 0 } }, 1), std::nullopt);
}
