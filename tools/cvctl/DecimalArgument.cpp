#include "DecimalArgument.h"

#include <charconv>

namespace cvctl {

std::optional<int> parseDecimalInt(std::string_view text)
{
    // from_chars rejects a leading "+", which shells and scripts commonly write.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace cvctl
