#pragma once

#include "core/addressbook/AddressBook.h"
#include "core/addressbook/ContactRecord.h"

#include <vector>

namespace corvana::bench {

// The shape of a large account's address book. The group tables hold
// AddressBook::kMaxGroups slots, so more contact groups than that cannot be shown
// and are not asked for.
struct AddressBookShape {
    int contacts = 100000;
    int contactGroups = AddressBook::kMaxGroups;
    // Every ungroupedEvery-th contact is in no contact group.
    int ungroupedEvery = 10;
    int conferenceGroups = 50;
    int conferenceGroupMembers = 200;
};

// count contacts with Chinese names of two to four characters and distinct 11-digit
// mobile numbers, addressno 1..count, in no group. The same count always gives the
// same records.
std::vector<ContactRecord> syntheticContacts(int count);

// Fills book as the loaders would after loading an account of that shape: the
// contacts, the contact groups and the ungrouped contacts (each contact in at most
// one of them, in contact order), and the conference groups, whose members are
// drawn from all contacts. Group members carry addressno, addressname and phone only.
void fillSyntheticAddressBook(AddressBook& book, const AddressBookShape& shape = {});

} // namespace corvana::bench
