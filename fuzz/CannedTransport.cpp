// Takes the place of the HTTP transport at link time: each operation then decodes the
// fuzzer's bytes as if the service had sent them, at the speed of a function call.
#include "CannedTransport.h"
#include "HttpTransport.h"

CannedReply& cannedReply()
{
    static CannedReply reply;
    return reply;
}

namespace cvsrv {

int postSoap(const ServiceConfig&, const std::string&, const std::string&, std::size_t capacity,
    const std::atomic<bool>*, std::string& response)
{
    const CannedReply& reply = cannedReply();
    // The real transport refuses a reply longer than the operation's capacity.
    if (reply.exchangeFails || reply.body.size() > capacity)
        return -1;
    response = reply.body;
    return 0;
}

} // namespace cvsrv
