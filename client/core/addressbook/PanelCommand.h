#pragma once

#include "core/addressbook/PanelTarget.h"

class AddressBook;

// The contacts panel's context-menu commands, numbered as their menu entries.
// "移动至分组" has one entry per group of the mode: kMoveToGroupCommand + position.
enum class PanelCommand : int {
    AddGroup = 32805,
    AddContact = 32815,
    DeleteGroup = 32806,
    RenameGroup = 32811,
    MeetMembers = 32819,
    MessageMembers = 32820,
    Synchronise = 32812,
    Import = 32816,
    Export = 32813,
    EditContact = 32810,
    DeleteContact = 32808,
};

inline constexpr int kMoveToGroupCommand = 40000;

// Whether a command has something to act on. The group commands need a header row
// (adding a group, synchronising, import and export need nothing more; the others a
// group of the book); "新增联系人" in conference groups and "重命名" need a stored group
// (a name, a non-zero id). The contact commands need a member row whose contact is
// in the book's contacts.
bool commandApplies(PanelCommand command, const AddressBook& book, const PanelTarget& target);
