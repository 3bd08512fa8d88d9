#include "xls/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>

namespace xls {

std::string numberText(double value)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0)
        return "0"; // also for -0
    std::array<char, 400> buffer {};
    std::to_chars_result result {};
    // Below 1e21 an integral value is written out in full digits (beyond 2^53
    // those of the stored binary value); above, digits would only be noise.
    if (std::trunc(value) == value && std::fabs(value) < 1e21)
        result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    else
        result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

} // namespace xls
