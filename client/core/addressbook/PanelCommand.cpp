#include "core/addressbook/PanelCommand.h"

#include "core/addressbook/AddressBook.h"

bool commandApplies(PanelCommand command, const AddressBook& book, const PanelTarget& target)
{
    const GroupEntry* group = book.groupAt(target.mode, target.row);
    switch (command) {
    case PanelCommand::AddGroup:
    case PanelCommand::Synchronise:
    case PanelCommand::Import:
    case PanelCommand::Export:
        return target.row.isHeader();
    case PanelCommand::AddContact:
        return target.row.isHeader() && (target.mode == PanelMode::ContactGroups || (group && !group->name.empty()));
    case PanelCommand::DeleteGroup:
    case PanelCommand::MeetMembers:
    case PanelCommand::MessageMembers:
        return group != nullptr;
    case PanelCommand::RenameGroup:
        return group && group->id != 0;
    case PanelCommand::EditContact:
    case PanelCommand::DeleteContact:
        return book.contactAt(target.mode, target.row) != nullptr;
    }
    return false;
}
