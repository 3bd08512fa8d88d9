#pragma once

#include <string>

namespace httplib {
class Server;
}

namespace cvservice {

class AccountRepository;
class ConferenceHub;
class ConferenceRunner;

// /_control/churn: conferences whose members keep changing, a load for soak runs of
// the live view (ConferenceRunner::startChurning). Installed, like the fault switch,
// only with fault control, and guarded as ControlRequest.h says.
//
// POST {"token": T, "account": "13800138000", "members": 1000, "changesPerSecond": 10,
//       "seconds": 600} starts one (the numbers may be left out: these are the
//       defaults) and answers {"conferenceid": ID}.
// GET ?conferenceid=ID answers what its churn has done, to check a watcher against:
//       {"conferenceid": ID, "begun": true, "ended": false, "planned": 6000,
//        "made": 120, "members": {"13900000000": ["1|0|0", "2|1|0"], ...}},
//       each member's states ("callstate|speakstate|activetalker") in the order the
//       churn set them, its first state first.
class ChurnEndpoint {
public:
    static constexpr const char* kPath = "/_control/churn";
    static constexpr int kMaxMembers = 5000;
    static constexpr int kMaxChangesPerSecond = 100;
    static constexpr int kMaxSeconds = 24 * 3600;

    ChurnEndpoint(AccountRepository& accounts, ConferenceRunner& runner, ConferenceHub& hub, std::string token);
    void install(httplib::Server& server);

private:
    AccountRepository& m_accounts;
    ConferenceRunner& m_runner;
    ConferenceHub& m_hub;
    std::string m_token;
};

} // namespace cvservice
