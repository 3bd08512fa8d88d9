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

} // namespace corvana::bench
