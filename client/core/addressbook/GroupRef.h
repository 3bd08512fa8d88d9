#pragma once

#include "core/addressbook/GroupEntry.h"
#include "core/addressbook/GroupKind.h"

#include <string>

// A group as a dialog acting on it keeps it: its id, name and kind, copied when the
// dialog opens, so a reload of the book while the dialog is up (which replaces the
// book's groups) cannot turn the change into one of another group.
struct GroupRef {
    int id = 0;
    std::string name;
    GroupKind kind = GroupKind::ContactGroup;

    static GroupRef of(const GroupEntry& group) { return { group.id, group.name, group.kind }; }

    bool operator==(const GroupRef&) const = default;
};
