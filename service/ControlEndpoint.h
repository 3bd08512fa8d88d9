#pragma once

namespace httplib {
class Server;
}

namespace cvservice {

class Faults;

// GET and POST /_control/faults: reads or switches the fault injection of a running
// service. Answers only callers on this machine.
class ControlEndpoint {
public:
    static constexpr const char* kPath = "/_control/faults";

    explicit ControlEndpoint(Faults& faults);
    void install(httplib::Server& server);

private:
    Faults& m_faults;
};

} // namespace cvservice
