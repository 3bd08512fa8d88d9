#pragma once

#include <cstddef>

// How many messages a text of so many characters is billed as. A text that fits one
// message holds 70 characters; a longer one is sent in parts that each give up three
// characters to the header that joins them again, so a part holds 67. The client
// shows the count before sending and the service charges by it: one rule for both.
namespace smsParts {

inline constexpr std::size_t kSingleMessageCharacters = 70;
inline constexpr std::size_t kPartCharacters = 67;

constexpr std::size_t count(std::size_t characters)
{
    if (characters == 0)
        return 0;
    if (characters <= kSingleMessageCharacters)
        return 1;
    return (characters + kPartCharacters - 1) / kPartCharacters;
}

} // namespace smsParts
