#pragma once

#include <string>

namespace corvana::bench {

// The reference reader the library's decoder replaces, rebuilt on libxml2: a DOM
// of the whole reply, a document-order walk for the row elements (as
// getElementsByTagName does), then one XPath query per field per row (as
// selectSingleNode does). Produces the same result text as the library.
int decodeWithLibxml2(
    const std::string& reply, const std::string& rowTag, const std::string& fieldList, std::string& result);

} // namespace corvana::bench
