#pragma once

#include "core/addressbook/ContactRecord.h"
#include "core/addressbook/GroupEntry.h"
#include "core/addressbook/GroupKind.h"

#include <string>
#include <vector>

class AddressBook;

// The group page of the management window keeps the group it shows by kind and id
// (id 0: the kind's pseudo-group: the ungrouped contacts, or the empty one after the
// conference groups), so a reload that reorders or drops groups never shows another
// group in its place. Nothing when no group of that kind has the id any more.
const GroupEntry* groupById(const AddressBook& book, GroupKind kind, int id);

// The group page's rows: each member's full record from the book's contacts, in
// member order, skipping members that are not among the contacts. With a search
// text (leading and trailing blanks removed) only the contacts whose name, number,
// contact group or e-mail address contains it, as typed.
std::vector<ContactRecord> groupPageRows(const AddressBook& book, const GroupEntry& group, const std::string& search);

// A group the service knows (it has a name): only such a group can be renamed,
// deleted, or given or relieved of members.
bool isStoredGroup(const GroupEntry& group);

// A rename the service took, in the book until the next load: the group's name and,
// for a contact group, its members' contact-group name. A conference group is not
// the contact group of its members, so their records stay as they are.
void applyGroupRename(AddressBook& book, GroupKind kind, int id, const std::string& name);
