#pragma once

#include <cstddef>
#include <string>

namespace corvana::bench {

inline constexpr const char* kContactFields
    = "clientno,addressno,addressname,phone,sex,email,addressgroupid,addressgroupname";

// The reply of QueryClientAddress for an account with count contacts, as the
// service writes it: a data set of "Table" rows with Chinese names and groups.
// The same count always gives the same bytes.
std::string contactsReply(std::size_t count);

// A contact-list reply of at most bytes bytes whose rows nest: every "Table" row's
// "sex" field holds the next row, and the innermost field a short text. The service
// never writes this, but a reply may hold it. rows is set to the number of rows.
std::string nestedContactsReply(std::size_t bytes, std::size_t& rows);

} // namespace corvana::bench
