#include "MemberLook.h"

#include <charconv>

MemberLook MemberLook::fromText(std::string_view text)
{
    int values[3] = {};
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    for (int i = 0; i < 3; ++i) {
        const auto [next, error] = std::from_chars(at, end, values[i]);
        if (error != std::errc() || values[i] < 0 || values[i] > 9)
            return inconsistent();
        at = next;
        if (i < 2) {
            if (at == end || *at != '|')
                return inconsistent();
            ++at;
        }
    }
    if (at != end)
        return inconsistent();
    return { static_cast<std::int8_t>(values[0]), static_cast<std::int8_t>(values[1]),
        static_cast<std::int8_t>(values[2]) };
}
