#include "Faults.h"

#include <json/json.h>

namespace cvservice {

const char* const Faults::kMonitorSwitches[4] = { "drop", "split", "merge", "garbage" };

Faults::Faults(HttpFaults initial)
    : m_http(initial)
{
    for (const char* name : kMonitorSwitches)
        m_monitor[name] = false;
}

HttpFaults Faults::http() const
{
    std::lock_guard lock(m_mutex);
    return m_http;
}

void Faults::setHttp(const HttpFaults& faults)
{
    std::lock_guard lock(m_mutex);
    m_http = faults;
}

bool Faults::setMonitor(const std::string& name, bool on)
{
    MonitorForward forward;
    {
        std::lock_guard lock(m_mutex);
        const auto it = m_monitor.find(name);
        if (it == m_monitor.end())
            return false;
        it->second = on;
        forward = m_forward;
    }
    if (forward)
        forward(name, on);
    return true;
}

std::map<std::string, bool> Faults::monitor() const
{
    std::lock_guard lock(m_mutex);
    return m_monitor;
}

void Faults::forwardMonitorTo(MonitorForward forward)
{
    std::map<std::string, bool> current;
    {
        std::lock_guard lock(m_mutex);
        m_forward = forward;
        current = m_monitor;
    }
    if (forward) {
        for (const auto& [name, on] : current)
            forward(name, on);
    }
}

bool Faults::apply(const Json::Value& request, std::string& error)
{
    if (!request.isObject()) {
        error = "expected a JSON object";
        return false;
    }
    HttpFaults next = http();
    if (request.isMember("delayMs")) {
        const Json::Value& delay = request["delayMs"];
        if (!delay.isIntegral() || delay.asInt64() < 0 || delay.asInt64() > 600000) {
            error = "delayMs must be 0 to 600000";
            return false;
        }
        next.delayMs = delay.asInt();
    }
    if (request.isMember("reply")) {
        const Json::Value& reply = request["reply"];
        if (!reply.isString() || !HttpFaults::parseReply(reply.asString(), next.reply)) {
            error = "reply must be none, drop, chunked, malformed, truncated or http500";
            return false;
        }
    }
    std::map<std::string, bool> monitorChanges;
    if (request.isMember("monitor")) {
        const Json::Value& monitor = request["monitor"];
        if (!monitor.isObject()) {
            error = "monitor must be an object";
            return false;
        }
        const auto known = this->monitor();
        for (const std::string& name : monitor.getMemberNames()) {
            if (!known.count(name) || !monitor[name].isBool()) {
                error = "unknown monitor switch or not true/false: " + name;
                return false;
            }
            monitorChanges[name] = monitor[name].asBool();
        }
    }
    setHttp(next);
    for (const auto& [name, on] : monitorChanges)
        setMonitor(name, on);
    return true;
}

Json::Value Faults::toJson() const
{
    const HttpFaults faults = http();
    Json::Value out(Json::objectValue);
    out["delayMs"] = faults.delayMs;
    out["reply"] = HttpFaults::name(faults.reply);
    Json::Value monitor(Json::objectValue);
    for (const auto& [name, on] : this->monitor())
        monitor[name] = on;
    out["monitor"] = monitor;
    return out;
}

} // namespace cvservice
