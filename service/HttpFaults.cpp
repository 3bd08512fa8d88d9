#include "HttpFaults.h"

namespace cvservice {

namespace {

struct Named {
    HttpFaults::Reply reply;
    const char* name;
};

constexpr Named kNames[] = {
    { HttpFaults::Reply::Normal, "none" },
    { HttpFaults::Reply::Drop, "drop" },
    { HttpFaults::Reply::Chunked, "chunked" },
    { HttpFaults::Reply::Malformed, "malformed" },
    { HttpFaults::Reply::Truncated, "truncated" },
    { HttpFaults::Reply::ServerError, "http500" },
};

} // namespace

const char* HttpFaults::name(Reply reply)
{
    for (const Named& n : kNames) {
        if (n.reply == reply)
            return n.name;
    }
    return "none";
}

bool HttpFaults::parseReply(const std::string& name, Reply& reply)
{
    for (const Named& n : kNames) {
        if (name == n.name) {
            reply = n.reply;
            return true;
        }
    }
    return false;
}

} // namespace cvservice
