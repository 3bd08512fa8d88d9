#pragma once

#include <cstdint>
#include <string_view>

// One member's three live states as one side of the soak saw them: as the service
// set them, or as the client's roster showed them. Small, since the soak keeps every
// one it sees and its own growth must not pass for the client's.
struct MemberLook {
    std::int8_t callstate = -1;
    std::int8_t speakstate = -1;
    std::int8_t activetalker = -1;

    // What the roster shows when its lists disagree with its arrays, or when it shows
    // the member twice or not at all: never a state the service sets.
    static MemberLook inconsistent() { return {}; }

    // "callstate|speakstate|activetalker"; inconsistent() for anything else.
    static MemberLook fromText(std::string_view text);

    bool operator==(const MemberLook&) const = default;
};
