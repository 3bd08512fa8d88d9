#include "ControlRequest.h"

#include "RandomToken.h"

#include <httplib.h>
#include <json/json.h>

#include <memory>

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
    Json::Value wanted;
    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    std::string errors;
    if (!reader->parse(request.body.data(), request.body.data() + request.body.size(), &wanted, &errors)) {
        reply(response, Json::Value("bad JSON: " + errors), 400);
        return std::nullopt;
    }
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
