#pragma once

#include <optional>
#include <string>

namespace cvservice {

// A member as a control command names it: "phone,name" or "phone".
struct MemberId {
    std::string phone;
    std::string name;

    // Blanks around both parts are dropped. Empty when there is no phone, or when the
    // phone holds anything but digits, "-" and "+" or is longer than 32 characters.
    static std::optional<MemberId> parse(const std::string& text);
};

} // namespace cvservice
