#pragma once

#include <string>

namespace cvservice {

// Unguessable names from the kernel's random source: 128 bits as 32 lower-case
// hexadecimal digits, for addresses and secrets that must not be worked out from
// anything else the service shows.
class RandomToken {
public:
    static std::string make();
    // Compares in time that does not depend on where the texts first differ.
    static bool sameText(const std::string& a, const std::string& b);
};

} // namespace cvservice
