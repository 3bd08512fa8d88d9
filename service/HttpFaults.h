#pragma once

#include <string>

namespace cvservice {

// What the SOAP endpoint does wrong on purpose, so clients can be tested against a
// misbehaving service. A reply fault replaces the reply and the operation is not
// run, so a fault never leaves a change behind that the caller cannot see.
struct HttpFaults {
    enum class Reply { Normal, Drop, Chunked, Malformed, Truncated, ServerError };

    int delayMs = 0;
    Reply reply = Reply::Normal;

    static const char* name(Reply reply);
    static bool parseReply(const std::string& name, Reply& reply);
};

} // namespace cvservice
