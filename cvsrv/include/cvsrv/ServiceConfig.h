#pragma once

#include "cvsrv/Export.h"

#include <string>

namespace cvsrv {

// Where the web service lives and how long an exchange may take. The defaults come
// from the build; CORVANA_WEB_HOST, CORVANA_WEB_PORT and CORVANA_SERVICE_NAMESPACE
// override them at run time so that tests can run services side by side, and
// CORVANA_CONNECT_TIMEOUT_MS and CORVANA_EXCHANGE_TIMEOUT_MS so that a test of a
// service slower than the time-out need not wait a minute for each call.
struct CVSRV_EXPORT ServiceConfig {
    std::string webHost;
    int webPort = 8080;
    std::string namespaceUri; // ends in "/"
    long connectTimeoutMs = 10000;
    long exchangeTimeoutMs = 60000;

    static ServiceConfig fromEnvironment();
};

// The live-monitor server (CORVANA_MONITOR_HOST, CORVANA_MONITOR_PORT).
struct CVSRV_EXPORT MonitorConfig {
    std::string host;
    int port = 8802;

    static MonitorConfig fromEnvironment();
};

} // namespace cvsrv
