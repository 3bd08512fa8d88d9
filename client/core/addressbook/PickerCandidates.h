#pragma once

#include "core/addressbook/ContactRecord.h"
#include "core/addressbook/GroupKind.h"

#include <vector>

class AddressBook;

// The contacts the picker offers for a group of kind, in the book's order. A contact
// belongs to one contact group at most, so a contact group is offered the contacts
// in none; a conference group is offered every contact, also those already in it
// (the service decides about those).
std::vector<ContactRecord> pickerCandidates(const AddressBook& book, GroupKind kind);
