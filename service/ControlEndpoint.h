#pragma once

#include <string>

namespace httplib {
class Server;
}

namespace cvservice {

class Faults;

// GET and POST /_control/faults: reads or switches the fault injection of a running
// service. Installed only when the service is started with fault control; answers
// only callers on this machine, and switches only for a JSON body that carries the
// token the service printed at start, so a web page the user happens to open cannot
// switch faults on (a browser sends neither that content type across sites without
// asking first, nor can it know the token).
class ControlEndpoint {
public:
    static constexpr const char* kPath = "/_control/faults";

    ControlEndpoint(Faults& faults, std::string token);
    void install(httplib::Server& server);

private:
    Faults& m_faults;
    std::string m_token;
};

} // namespace cvservice
