#pragma once

#include "FakeSoapServer.h"
#include "cvsrv/ServiceConfig.h"

namespace corvana::test {

// The namespace the library's tests give the service.
inline constexpr const char* kTestNamespace = "http://svc.test/corvana/";

// A configuration that points the library at the fake server, with time-outs short
// enough that a hung test fails instead of stalling the suite.
inline cvsrv::ServiceConfig configFor(const FakeSoapServer& server)
{
    cvsrv::ServiceConfig config;
    config.webHost = FakeSoapServer::host();
    config.webPort = server.port();
    config.namespaceUri = kTestNamespace;
    config.connectTimeoutMs = 5000;
    config.exchangeTimeoutMs = 10000;
    return config;
}

} // namespace corvana::test
