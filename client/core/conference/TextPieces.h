#pragma once

#include <string_view>

// Cutting a text at a separator without copying it, the way CUtility::Split cuts:
// empty pieces inside are kept, but a text that ends with the separator has no
// empty last piece, and an empty text has none at all.
namespace textpieces {

// Calls f with each piece until f returns false.
template <typename F> void forEach(std::string_view text, char separator, F&& f)
{
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos)
            end = text.size();
        if (!f(text.substr(start, end - start)))
            return;
        start = end + 1;
    }
}

} // namespace textpieces
