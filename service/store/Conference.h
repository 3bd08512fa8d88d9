#pragma once

#include <string>

namespace cvservice {

enum class ConferenceState : int { Booked = 0, Running = 1, Ended = 2, Cancelled = 3 };

struct Conference {
    std::string id;
    std::string owner;
    std::string title;
    std::string meettime;
    std::string meetcall;
    std::string meetphone; // phones joined with ","
    std::string meetphoneaddress; // names joined with ",", same order
    int meettype = 0; // 0 instant, 1 booked
    int autodial = 0;
    int smsflag = 0;
    int shutup = 0;
    int recflag = 0;
    std::string meetpwd;
    ConferenceState state = ConferenceState::Booked;
    std::string endtime;
    int members = 0;
};

} // namespace cvservice
