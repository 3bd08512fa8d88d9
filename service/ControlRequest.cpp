#include "ControlRequest.h"

#include "RandomToken.h"
#include "common/JsonReading.h"

#include <httplib.h>
#include <json/json.h>

namespace cvservice::controlrequest {

namespace {

bool isLoopback(const std::string& address)
{
    return address == "127.0.0.1" || address == "::1" || address == "::ffff:127.0.0.1";
}

} // namespace

bool fromThisMachine(const httplib::Request& request, httplib::Response& response)
{
    if (isLoopback(request.remote_addr))
        return true;
    response.status = 403;
    return false;
}

std::optional<Json::Value> changeRequest(
    const httplib::Request& request, httplib::Response& response, const std::string& token)
{
    if (!fromThisMachine(request, response))
        return std::nullopt;
    if (request.get_header_value("Content-Type").rfind("application/json", 0) != 0) {
        reply(response, Json::Value("send the request as application/json"), 415);
        return std::nullopt;
    }
    std::string errors;
    const std::optional<Json::Value> read = corvana::readJson(request.body, &errors);
    if (!read) {
        reply(response, Json::Value("bad JSON: " + errors), 400);
        return std::nullopt;
    }
    Json::Value wanted = *read;
    if (!wanted.isObject() || !wanted["token"].isString()
        || !RandomToken::sameText(wanted["token"].asString(), token)) {
        reply(response, Json::Value("the token is missing or wrong"), 403);
        return std::nullopt;
    }
    wanted.removeMember("token");
    return wanted;
}

void reply(httplib::Response& response, const Json::Value& body, int status)
{
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    response.status = status;
    response.set_content(Json::writeString(builder, body) + "\n", "application/json");
}

void refuse(httplib::Response& response, int status, const std::string& reason)
{
    Json::Value body(Json::objectValue);
    body["error"] = reason;
    reply(response, body, status);
}

} // namespace cvservice::controlrequest
