#include "ControlEndpoint.h"

#include "Faults.h"
#include "RandomToken.h"

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

} // namespace

ControlEndpoint::ControlEndpoint(Faults& faults, std::string token)
    : m_faults(faults)
    , m_token(std::move(token))
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
        if (request.get_header_value("Content-Type").rfind("application/json", 0) != 0) {
            response.status = 415;
            response.set_content(toText(Json::Value("send the switches as application/json")), "application/json");
            return;
        }
        Json::Value wanted;
        Json::CharReaderBuilder builder;
        std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
        std::string errors;
        if (!reader->parse(request.body.data(), request.body.data() + request.body.size(), &wanted, &errors)) {
            response.status = 400;
            response.set_content(toText(Json::Value("bad JSON: " + errors)), "application/json");
            return;
        }
        if (!wanted.isObject() || !wanted["token"].isString()
            || !RandomToken::sameText(wanted["token"].asString(), m_token)) {
            response.status = 403;
            response.set_content(toText(Json::Value("the token is missing or wrong")), "application/json");
            return;
        }
        wanted.removeMember("token");
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
