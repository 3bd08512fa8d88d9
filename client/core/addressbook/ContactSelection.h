#pragma once

#include "core/addressbook/ContactRecord.h"
#include "core/addressbook/PanelMode.h"

#include <vector>

class AddressBook;

// The contacts a selection of the contacts panel stands for, as the instant, SMS and
// scheduled pages take them, in the groups of mode:
// - parent < 0, index < 0: every contact of the book;
// - parent < 0, index a group: its members; index one past the groups: the mode's
//   pseudo-group (the contacts in no contact group; none for conference groups);
// - parent a group (or one past the groups), index one of its members: that member.
// Any other selection stands for no contact. Members carry addressno, name and phone.
std::vector<ContactRecord> selectedContacts(const AddressBook& book, PanelMode mode, int parent, int index);
