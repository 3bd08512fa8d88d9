#pragma once

#include <array>
#include <string_view>

// The operator's service numbers through which participants dial into a conference
// room: two sets of four, the room's note number choosing the set.
struct DialInNumbers {
    static constexpr int kCount = 4;

    std::array<std::string_view, kCount> numbers;

    static const DialInNumbers& first();
    static const DialInNumbers& second();
    static const DialInNumbers& forNoteNumber(std::string_view noteNumber);
};
