#pragma once

#include <string>
#include <variant>

// One object the monitor server sent, decoded. Texts are UTF-8 as they arrived.

// "verify": the server's answer to the signed verify message.
struct MonitorVerifyAnswer {
    static constexpr const char* kAccepted = "成功";

    std::string answer;

    bool accepted() const { return answer == kAccepted; }
};

// "monitor": the conference state and the whole member list.
struct MonitorStatus {
    int conferenceState = 0;
    std::string phoneList; // "name|phone|callstate|speakstate|activetalker" items joined by ","

    // 0 and 1 mean the conference is going on; any other state means it has ended.
    bool ended() const { return conferenceState < 0 || conferenceState > 1; }
};

// "error": a text for the user; the server closes the connection after it.
struct MonitorError {
    std::string text;
};

// Anything the client does not act on.
struct MonitorIgnored {
    enum class Reason {
        NotJson, // not a JSON object, or no string "key"
        UnknownKey,
        BadStatus, // "monitor" whose conferencestate is not an integer number or phonelist not text
    };

    Reason reason = Reason::NotJson;
};

using MonitorMessage = std::variant<MonitorIgnored, MonitorVerifyAnswer, MonitorStatus, MonitorError>;
