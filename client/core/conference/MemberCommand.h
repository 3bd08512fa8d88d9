#pragma once

#include <string>

// A ConferenceControl call that an operation word asks for: the command number and
// the inphoneid text. The page sends it; the roster only works it out.
struct MemberCommand {
    enum Number : int {
        SpeakControl = 2,
        LetSpeak = 3,
        Call = 5,
        HangUp = 6,
        Remove = 10,
    };

    int number = 0;
    std::string inphoneid; // "phone,name", or the phone alone for Remove

    bool operator==(const MemberCommand&) const = default;
};
