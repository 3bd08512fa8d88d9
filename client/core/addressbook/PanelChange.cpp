#include "core/addressbook/PanelChange.h"

#include "core/addressbook/AddressBook.h"

AddressBookChange PanelChange::job() const
{
    switch (operation) {
    case Operation::AddGroup:
        return AddressBookChange::addGroup(kind, name);
    case Operation::DeleteGroup:
        return AddressBookChange::deleteGroup(kind, groupId, name);
    case Operation::DeleteContact:
        return AddressBookChange::deleteContact(addressno);
    case Operation::RemoveMember:
        return AddressBookChange::removeMember(kind, groupId, addressno);
    case Operation::MoveMember:
        break;
    }
    return AddressBookChange::moveMember(kind, groupId, toGroupId, addressno);
}

GroupKind groupKindOf(PanelMode mode)
{
    return mode == PanelMode::ContactGroups ? GroupKind::ContactGroup : GroupKind::ConferenceGroup;
}

PanelChange addGroupChange(PanelMode mode, const std::string& name)
{
    PanelChange change;
    change.operation = PanelChange::Operation::AddGroup;
    change.kind = groupKindOf(mode);
    change.name = name;
    return change;
}

std::optional<PanelChange> deleteGroupChange(const AddressBook& book, const PanelTarget& target)
{
    const GroupEntry* group = book.groupAt(target.mode, target.row);
    if (!group)
        return std::nullopt;
    PanelChange change;
    change.operation = PanelChange::Operation::DeleteGroup;
    change.kind = groupKindOf(target.mode);
    change.groupId = group->id;
    change.name = group->name;
    return change;
}

std::optional<PanelChange> deleteContactChange(const AddressBook& book, const PanelTarget& target)
{
    const ContactRecord* contact = book.contactAt(target.mode, target.row);
    if (!contact)
        return std::nullopt;
    PanelChange change;
    change.kind = groupKindOf(target.mode);
    change.addressno = contact->addressno;
    if (target.mode == PanelMode::ContactGroups) {
        change.operation = PanelChange::Operation::DeleteContact;
        return change;
    }
    // A member row's group is in use (or the empty pseudo-group, which has no rows).
    change.operation = PanelChange::Operation::RemoveMember;
    change.groupId = book.groupSlot(target.mode, target.row.parent).id;
    return change;
}

std::optional<PanelChange> moveContactChange(const AddressBook& book, const PanelTarget& target, int toGroup)
{
    const ContactRecord* contact = book.contactAt(target.mode, target.row);
    if (!contact || toGroup < 0 || toGroup >= book.groupCount(target.mode))
        return std::nullopt;
    PanelChange change;
    change.operation = PanelChange::Operation::MoveMember;
    change.kind = groupKindOf(target.mode);
    change.addressno = contact->addressno;
    change.groupId = target.mode == PanelMode::ContactGroups ? contact->addressgroupid
                                                             : book.groupSlot(target.mode, target.row.parent).id;
    change.toGroupId = book.groupSlot(target.mode, toGroup).id;
    return change;
}
