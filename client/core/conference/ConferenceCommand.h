#pragma once

#include <string>

// The command numbers of ConferenceControl, and how a member is named to it.
enum class ConferenceCommand : int {
    MuteAll = 0,
    UnmuteAll = 1,
    SpeakControl = 2, // a joined member who may speak (or only listens) is muted
    LetSpeak = 3, // a muted member may speak again
    CallMember = 5,
    HangUpMember = 6,
    End = 9,
    RemoveMember = 10,
    RecallAll = 12,
    StartRecording = 16,
    PauseRecording = 17,
};

// A member as the member commands name it: "phone,name".
inline std::string memberPhoneId(const std::string& phone, const std::string& name)
{
    return phone + "," + name;
}
