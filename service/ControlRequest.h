#pragma once

#include <optional>
#include <string>

namespace Json {
class Value;
}

namespace httplib {
struct Request;
struct Response;
} // namespace httplib

namespace cvservice::controlrequest {

// The control endpoints answer only callers on this machine, and change something
// only for a JSON body that carries the token the service printed at start, so a web
// page the user happens to open cannot use them (a browser sends neither that
// content type across sites without asking first, nor can it know the token).

// False, with the response refused, for a caller on another machine.
bool fromThisMachine(const httplib::Request& request, httplib::Response& response);

// The JSON object of a change request, its token checked and taken out; nothing,
// with the response refused, when the caller, the body or the token will not do.
std::optional<Json::Value> changeRequest(
    const httplib::Request& request, httplib::Response& response, const std::string& token);

void reply(httplib::Response& response, const Json::Value& body, int status = 200);
void refuse(httplib::Response& response, int status, const std::string& reason);

} // namespace cvservice::controlrequest
