#pragma once

#include <optional>
#include <string_view>

namespace cvctl {

// A 32-bit int written in decimal with an optional sign and nothing else: no
// spaces, no hexadecimal, no trailing characters, no overflow.
std::optional<int> parseDecimalInt(std::string_view text);

} // namespace cvctl
