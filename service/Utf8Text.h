#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cvservice::utf8text {

bool isValid(std::string_view text);

// Control characters (CR and LF included) become spaces: the client's result text
// uses CR and LF as separators, so a stored value must never contain them.
std::string flattenControls(std::string text);

// Number of characters (code points) of valid UTF-8 text.
std::size_t length(std::string_view text);

std::string trim(std::string_view text);

} // namespace cvservice::utf8text
