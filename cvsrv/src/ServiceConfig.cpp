#include "cvsrv/ServiceConfig.h"

#include "BuildConfig.h"

#include <cstdlib>
#include <string>

namespace cvsrv {

namespace {

std::string envOr(const char* name, const char* fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? std::string(value) : std::string(fallback);
}

// A whole decimal number within [low, high]; anything else leaves the fallback.
long envNumberOr(const char* name, long fallback, long low, long high)
{
    const char* value = std::getenv(name);
    if (!value || !*value)
        return fallback;
    char* end = nullptr;
    const long number = std::strtol(value, &end, 10);
    return (*end == '\0' && number >= low && number <= high) ? number : fallback;
}

int envPortOr(const char* name, int fallback)
{
    return static_cast<int>(envNumberOr(name, fallback, 1, 65535));
}

long envMillisecondsOr(const char* name, long fallback)
{
    return envNumberOr(name, fallback, 1, 600000);
}

} // namespace

ServiceConfig ServiceConfig::fromEnvironment()
{
    ServiceConfig config;
    config.webHost = envOr("CORVANA_WEB_HOST", kDefaultWebHost);
    config.webPort = envPortOr("CORVANA_WEB_PORT", kDefaultWebPort);
    config.namespaceUri = envOr("CORVANA_SERVICE_NAMESPACE", kDefaultServiceNamespace);
    config.connectTimeoutMs = envMillisecondsOr("CORVANA_CONNECT_TIMEOUT_MS", config.connectTimeoutMs);
    config.exchangeTimeoutMs = envMillisecondsOr("CORVANA_EXCHANGE_TIMEOUT_MS", config.exchangeTimeoutMs);
    return config;
}

MonitorConfig MonitorConfig::fromEnvironment()
{
    MonitorConfig config;
    config.host = envOr("CORVANA_MONITOR_HOST", kDefaultMonitorHost);
    config.port = envPortOr("CORVANA_MONITOR_PORT", kDefaultMonitorPort);
    return config;
}

} // namespace cvsrv
