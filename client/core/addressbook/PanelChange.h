#pragma once

#include "core/addressbook/AddressBookChange.h"
#include "core/addressbook/GroupKind.h"
#include "core/addressbook/PanelMode.h"
#include "core/addressbook/PanelTarget.h"

#include <optional>
#include <string>

class AddressBook;

// A change of the service-side address book that a contacts-panel command asks for,
// as a value: the operation and the ids it names, read from the book when the
// command is chosen. Ids, not positions, so a reload of the book while the user
// confirms cannot turn it into a change of another group or contact.
struct PanelChange {
    enum class Operation { AddGroup, DeleteGroup, DeleteContact, RemoveMember, MoveMember };

    Operation operation = Operation::AddGroup;
    GroupKind kind = GroupKind::ContactGroup;
    int groupId = 0; // the group deleted or left
    int toGroupId = 0; // MoveMember: the group joined
    int addressno = 0;
    std::string name; // AddGroup, DeleteGroup

    bool operator==(const PanelChange&) const = default;

    // The ServiceCall job that carries the change out.
    AddressBookChange job() const;
};

GroupKind groupKindOf(PanelMode mode);

// "新增分组": a group of the mode with the given name.
PanelChange addGroupChange(PanelMode mode, const std::string& name);
// "删除分组": the group a header names, with its id and name; nothing for a member row
// or a header of no group.
std::optional<PanelChange> deleteGroupChange(const AddressBook& book, const PanelTarget& target);
// "删除联系人": in contact groups the contact is deleted; in conference groups it only
// leaves the group of its row. Nothing when the row's contact is not in the book.
std::optional<PanelChange> deleteContactChange(const AddressBook& book, const PanelTarget& target);
// "移动至分组" group position toGroup of the target's mode: out of the contact's own
// contact group (its addressgroupid), or out of the conference group of its row, into
// that group. Nothing when the contact or the group is not in the book.
std::optional<PanelChange> moveContactChange(const AddressBook& book, const PanelTarget& target, int toGroup);
