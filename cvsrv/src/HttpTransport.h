#pragma once

#include "cvsrv/ServiceConfig.h"

#include <atomic>
#include <cstddef>
#include <string>

namespace cvsrv {

// One HTTP/1.0 POST of a SOAP request to the service endpoint. Returns 0 when a
// reply with a Content-Length header arrived whole (its body is in response) and -1
// when the exchange failed, timed out, was cancelled, or the reply had no
// Content-Length or was longer than capacity bytes (no more than that is read).
// The HTTP status is not examined: a fault body is decoded like any other.
int postSoap(const ServiceConfig& config, const std::string& soapActionLine, const std::string& request,
    std::size_t capacity, const std::atomic<bool>* cancel, std::string& response);

inline constexpr const char* kEndpointPath = "/MeetingWebSevc.asmx";

} // namespace cvsrv
