#include "core/addressbook/ContactSelection.h"

#include "core/addressbook/AddressBook.h"

std::vector<ContactRecord> selectedContacts(const AddressBook& book, PanelMode mode, int parent, int index)
{
    if (parent < 0 && index < 0)
        return { book.contacts().begin(), book.contacts().begin() + book.contactCount() };
    if (parent < 0) {
        const GroupEntry* group = book.groupAt(mode, { -1, index });
        if (!group)
            return {};
        return { group->members.begin(), group->members.begin() + group->memberCount };
    }
    const GroupEntry* group = book.groupAt(mode, { -1, parent });
    if (!group || index < 0 || index >= group->memberCount)
        return {};
    return { group->members[std::size_t(index)] };
}
