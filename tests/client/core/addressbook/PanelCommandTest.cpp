#include "core/addressbook/PanelCommand.h"
#include "core/addressbook/AddressBook.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

ContactRecord contact(int addressno)
{
    ContactRecord record;
    record.addressno = addressno;
    return record;
}

// Contact groups "同事" (id 11) with contacts 1 and 2 and "家人" (id 12) whose only
// member is missing from the contacts; contact 3 ungrouped. Conference groups "周会"
// (id 21) with contact 1, and one stored without a name (id 22).
AddressBook book()
{
    AddressBook book;
    book.setContacts({ contact(1), contact(2), contact(3) }, 3);
    book.setGroupCount(PanelMode::ContactGroups, 2);
    GroupEntry& colleagues = book.groupSlot(PanelMode::ContactGroups, 0);
    colleagues.id = 11;
    colleagues.name = "同事";
    colleagues.setMembers({ contact(1), contact(2) }, 2);
    GroupEntry& family = book.groupSlot(PanelMode::ContactGroups, 1);
    family.id = 12;
    family.name = "家人";
    family.setMembers({ contact(9) }, 1);
    book.ungrouped().setMembers({ contact(3) }, 1);
    book.setGroupCount(PanelMode::ConferenceGroups, 2);
    GroupEntry& weekly = book.groupSlot(PanelMode::ConferenceGroups, 0);
    weekly.id = 21;
    weekly.name = "周会";
    weekly.setMembers({ contact(1) }, 1);
    book.groupSlot(PanelMode::ConferenceGroups, 1).id = 22;
    return book;
}

using C = PanelCommand;
constexpr PanelMode kContacts = PanelMode::ContactGroups;
constexpr PanelMode kConferences = PanelMode::ConferenceGroups;

} // namespace

TEST(PanelCommand, GroupCommandsNeedAHeaderAndContactCommandsAContact)
{
    const AddressBook contacts = book();
    const C all[] = { C::AddGroup, C::AddContact, C::DeleteGroup, C::RenameGroup, C::MeetMembers, C::MessageMembers,
        C::Synchronise, C::Import, C::Export, C::EditContact, C::DeleteContact };
    const struct {
        const char* what;
        PanelMode mode;
        RowRef row;
        std::vector<C> applicable;
    } cases[] = {
        { "a contact group", kContacts, { -1, 0 },
            { C::AddGroup, C::AddContact, C::DeleteGroup, C::RenameGroup, C::MeetMembers, C::MessageMembers,
                C::Synchronise, C::Import, C::Export } },
        // The pseudo-group has no id to rename; deleting it is the service's to refuse.
        { "the ungrouped header", kContacts, { -1, 2 },
            { C::AddGroup, C::AddContact, C::DeleteGroup, C::MeetMembers, C::MessageMembers, C::Synchronise, C::Import,
                C::Export } },
        { "a header past the groups", kContacts, { -1, 3 },
            { C::AddGroup, C::AddContact, C::Synchronise, C::Import, C::Export } },
        // The results' header of a search names no group.
        { "the results' header", kConferences, { -1, -1 }, { C::AddGroup, C::Synchronise, C::Import, C::Export } },
        { "a conference group", kConferences, { -1, 0 },
            { C::AddGroup, C::AddContact, C::DeleteGroup, C::RenameGroup, C::MeetMembers, C::MessageMembers,
                C::Synchronise, C::Import, C::Export } },
        // Contacts are picked only into a group with a name.
        { "a conference group without a name", kConferences, { -1, 1 },
            { C::AddGroup, C::DeleteGroup, C::RenameGroup, C::MeetMembers, C::MessageMembers, C::Synchronise, C::Import,
                C::Export } },
        { "a member", kContacts, { 0, 1 }, { C::EditContact, C::DeleteContact } },
        { "an ungrouped member", kContacts, { 2, 0 }, { C::EditContact, C::DeleteContact } },
        { "a conference-group member", kConferences, { 0, 0 }, { C::EditContact, C::DeleteContact } },
        { "a member missing from the contacts", kContacts, { 1, 0 }, {} },
        { "a member past the group's members", kContacts, { 0, 2 }, {} },
    };
    for (const auto& c : cases) {
        for (C command : all) {
            const bool expected = std::find(c.applicable.begin(), c.applicable.end(), command) != c.applicable.end();
            EXPECT_EQ(commandApplies(command, contacts, { c.mode, c.row }), expected)
                << c.what << ", command " << int(command);
        }
    }
    EXPECT_FALSE(commandApplies(static_cast<C>(kMoveToGroupCommand), contacts, { kContacts, { 0, 0 } }));
}
