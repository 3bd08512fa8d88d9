#pragma once

#include "HttpFaults.h"

#include <functional>
#include <map>
#include <mutex>
#include <string>

namespace Json {
class Value;
}

namespace cvservice {

// The fault switches of a running service: those of the SOAP endpoint, kept here,
// and those of the monitor server, kept here too and handed on to it.
class Faults {
public:
    using MonitorForward = std::function<void(const std::string& name, bool on)>;

    static const char* const kMonitorSwitches[4]; // drop, split, merge, garbage

    explicit Faults(HttpFaults initial = {});

    HttpFaults http() const;
    void setHttp(const HttpFaults& faults);

    bool setMonitor(const std::string& name, bool on); // false for an unknown switch
    std::map<std::string, bool> monitor() const;
    void forwardMonitorTo(MonitorForward forward);

    // {"delayMs": N, "reply": "chunked", "monitor": {"split": true}}; any field may
    // be left out. Nothing changes unless the whole request is valid.
    bool apply(const Json::Value& request, std::string& error);
    Json::Value toJson() const;

private:
    mutable std::mutex m_mutex;
    HttpFaults m_http;
    std::map<std::string, bool> m_monitor;
    MonitorForward m_forward;
};

} // namespace cvservice
