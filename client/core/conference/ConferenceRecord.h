#pragma once

#include <string>

// One conference as the client holds it: composed on the instant page, loaded from
// the running or booked list, edited as a booking, or kept from the past list.
// A value type: copying copies every field, so a copy is independent of its source.
// Texts are UTF-8.
struct ConferenceRecord {
    enum State : int { NotStartedOrBooked = 0, Running = 1, Past = 2 };
    enum Type : int { Instant = 0, Booked = 1 };

    std::string conferenceId; // a running conference's id is longer than 9 characters
    std::string topic;
    std::string secondTitle; // only the running-conference list fills it
    std::string meetingTime; // "YYYY-MM-DDThh:mm:ss"
    std::string hostNumber;
    std::string phones; // participants' numbers joined with ","
    std::string names; // participants' names joined with ",", same order as phones
    int type = 0;
    int autoRecall = 0;
    int smsNotice = 0;
    int muteAll = 0;
    int recording = 0;
    std::string spareText; // filled by the running-conference list, never read
    int spareNumber = 0; // filled by the past-conference list, never read
    std::string memberList; // last member list received from the monitor connection
    int state = NotStartedOrBooked;
    int lastCommand = 0; // 0 while creating; the control command while ending (9)
    std::string ipAddress;
    std::string result; // raw result text of the last create or end call

    bool operator==(const ConferenceRecord&) const = default;
};
