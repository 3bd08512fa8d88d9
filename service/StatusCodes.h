#pragma once

// Every status code the service returns, with the text GetSysMsgInfo gives for it.
// Keep the table here and nowhere else.
namespace cvservice {

enum Status : int {
    kOk = 0,
    kNoSuchConference = 301,
    kNotYourConference = 302,
    kConferenceEnded = 303,
    kNoSuchMember = 304,
    kUnknownCommand = 305,
};

} // namespace cvservice
