#pragma once

#include <string>
#include <string_view>

// The subscriber's conference room as the last load found it: the host and
// participant passwords and the note number that says through which set of dial-in
// numbers the room is reached. A load that brings no text keeps what was there.
struct RoomInfo {
    std::string hostPassword; // chairpersonpwd
    std::string participantPassword; // participantpwd
    std::string noteNumber;

    // GetClientRoomInfo's result text: field 0 of a row is the host password, field 1
    // the participant password; with several rows the last one counts.
    void readPasswords(const std::string& resultText);
    // GetClientNoteNo's result text: its first field.
    void readNoteNumber(const std::string& resultText);

    // Note number "1" dials in through the first set of numbers, anything else
    // (also none) through the second.
    static bool usesFirstDialInSet(std::string_view noteNumber);
};
