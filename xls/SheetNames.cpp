#include "xls/SheetNames.h"

#include <algorithm>
#include <cctype>

namespace xls {

std::optional<std::size_t> SheetNames::find(const std::vector<std::string>& names, const std::string& name)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name)
            return i;
    }
    const auto sameIgnoringCase = [](const std::string& a, const std::string& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(),
            [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
    };
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (sameIgnoringCase(names[i], name))
            return i;
    }
    return std::nullopt;
}

} // namespace xls
