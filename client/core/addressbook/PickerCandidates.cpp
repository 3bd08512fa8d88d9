#include "core/addressbook/PickerCandidates.h"

#include "core/addressbook/AddressBook.h"

#include <algorithm>

namespace {

std::vector<ContactRecord> firstOf(const std::vector<ContactRecord>& records, int count)
{
    const auto n = static_cast<std::ptrdiff_t>(std::clamp(count, 0, static_cast<int>(records.size())));
    return { records.begin(), records.begin() + n };
}

} // namespace

std::vector<ContactRecord> pickerCandidates(const AddressBook& book, GroupKind kind)
{
    if (kind == GroupKind::ContactGroup)
        return firstOf(book.ungrouped().members, book.ungrouped().memberCount);
    return firstOf(book.contacts(), book.contactCount());
}
