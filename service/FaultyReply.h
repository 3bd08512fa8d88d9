#pragma once

#include "HttpFaults.h"

namespace httplib {
struct Request;
struct Response;
} // namespace httplib

namespace cvservice {

// Carries out the HTTP fault switches on one request: waits the delay, then, when a
// reply fault is on, answers in its place (or drops the connection). Returns true
// when the fault took the reply, so the request must not be served.
bool answerWithFault(const HttpFaults& faults, const httplib::Request& request, httplib::Response& response);

} // namespace cvservice
