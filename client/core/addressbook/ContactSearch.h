#pragma once

#include <string>
#include <string_view>
#include <vector>

class AddressBook;

// One contact the search found. A value: it names the contact by addressno and
// keeps its own copy of what is shown, so a reload of the book cannot pull the
// ground from under a result row.
struct SearchHit {
    int addressno = 0;
    std::string addressname;
    std::string phone;

    bool operator==(const SearchHit&) const = default;
};

// The contacts panel's search: every member of the contact groups, in table order,
// then the ungrouped contacts, whose name or number holds text as a plain,
// case-sensitive substring. Conference groups are not searched.
std::vector<SearchHit> searchContacts(const AddressBook& book, std::string_view text);
