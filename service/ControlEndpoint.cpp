#include "ControlEndpoint.h"

#include "Faults.h"

#include <httplib.h>
#include <json/json.h>

#include <memory>
#include <sstream>

namespace cvservice {

namespace {

bool isLoopback(const std::string& address)
{
    return address == "127.0.0.1" || address == "::1" || address == "::ffff:127.0.0.1";
}

std::string toText(const Json::Value& value)
{
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    return Json::writeString(builder, value) + "\n";
}

// The form variant: delayMs=N&reply=NAME&monitor.split=on
Json::Value fromForm(const httplib::Request& request)
{
    Json::Value out(Json::objectValue);
    for (const auto& [name, value] : request.params) {
        if (name == "delayMs") {
            char* end = nullptr;
            const long delay = std::strtol(value.c_str(), &end, 10);
            out[name]
                = (*end == '\0' && !value.empty()) ? Json::Value(static_cast<Json::Int64>(delay)) : Json::Value(value);
        } else if (name == "reply") {
            out[name] = value;
        } else if (name.rfind("monitor.", 0) == 0) {
            const bool on = value == "on" || value == "true" || value == "1";
            const bool off = value == "off" || value == "false" || value == "0";
            out["monitor"][name.substr(8)] = (on || off) ? Json::Value(on) : Json::Value(value);
        } else {
            out[name] = value;
        }
    }
    return out;
}

} // namespace

ControlEndpoint::ControlEndpoint(Faults& faults)
    : m_faults(faults)
{
}

void ControlEndpoint::install(httplib::Server& server)
{
    server.Get(kPath, [this](const httplib::Request& request, httplib::Response& response) {
        if (!isLoopback(request.remote_addr)) {
            response.status = 403;
            return;
        }
        response.set_content(toText(m_faults.toJson()), "application/json");
    });
    server.Post(kPath, [this](const httplib::Request& request, httplib::Response& response) {
        if (!isLoopback(request.remote_addr)) {
            response.status = 403;
            return;
        }
        Json::Value wanted;
        if (request.get_header_value("Content-Type").find("json") != std::string::npos) {
            Json::CharReaderBuilder builder;
            std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
            std::string errors;
            if (!reader->parse(request.body.data(), request.body.data() + request.body.size(), &wanted, &errors)) {
                response.status = 400;
                response.set_content(toText(Json::Value("bad JSON: " + errors)), "application/json");
                return;
            }
        } else {
            wanted = fromForm(request);
        }
        std::string error;
        if (!m_faults.apply(wanted, error)) {
            response.status = 400;
            Json::Value reason(Json::objectValue);
            reason["error"] = error;
            response.set_content(toText(reason), "application/json");
            return;
        }
        response.set_content(toText(m_faults.toJson()), "application/json");
    });
}

} // namespace cvservice
