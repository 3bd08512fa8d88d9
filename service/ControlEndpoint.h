#pragma once

#include <string>

namespace httplib {
class Server;
}

namespace cvservice {

class Faults;

// GET and POST /_control/faults: reads or switches the fault injection of a running
// service. Installed only when the service is started with fault control; guarded as
// ControlRequest.h says.
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
