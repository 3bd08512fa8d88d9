#pragma once

#include "ServiceOptions.h"

#include <memory>
#include <string>

namespace cvservice {

class Faults;

// The whole substitute service: store, operations, SOAP endpoint, web pages, fault
// control, live conference hub, booking scheduler and monitor server. main() runs
// one; tests run one in process on free ports.
class Service {
public:
    // Opens the store; throws std::exception when it cannot be opened.
    explicit Service(ServiceOptions options);
    ~Service();
    Service(const Service&) = delete;
    Service& operator=(const Service&) = delete;

    // Opens the store, seeds the demo data when asked, binds both ports and starts
    // serving. false with a readable reason when something is in the way.
    bool start(std::string& error);
    // Stops serving and waits for every thread of the service. Idempotent.
    void stop();

    int httpPort() const;
    int monitorPort() const;
    const std::string& namespaceUri() const;
    bool demoSeeded() const;
    Faults& faults();
    // What a fault switch request must carry; served only with fault control on.
    const std::string& faultToken() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace cvservice
