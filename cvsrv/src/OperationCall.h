#pragma once

#include "RequestBody.h"
#include "XmlResponse.h"
#include "cvsrv/ServiceConfig.h"

#include <atomic>
#include <cstddef>
#include <string>

namespace cvsrv {

// Response capacities: the largest reply an operation accepts.
inline constexpr std::size_t kSmallReply = 40960;
inline constexpr std::size_t kMemberReply = 409600;
inline constexpr std::size_t kListReply = 4096000;
inline constexpr std::size_t kContactsReply = 8096000;

// The constant user id most requests carry.
inline constexpr const char* kUserId = "pcadm";

// One operation's request frame: sign, fill the body, wrap it in the SOAP envelope,
// post it, trace it and decode the reply.
class OperationCall {
public:
    OperationCall(
        const ServiceConfig& config, const std::atomic<bool>* cancel, const char* operation, std::size_t capacity);

    // Takes the time stamp; sign() also computes the hash code of the account.
    void stamp();
    void sign(const char* regphoneid, const char* password);
    const char* timeStamp() const { return m_timeStamp; }
    const char* hash() const { return m_hash; }

    RequestBody& body() { return m_body; }

    // Sends the request; false when the exchange failed.
    bool post();

    // Send the request and decode the reply into result (emptied first): the
    // operation's wrapped scalar ("<Op>Response" / "<Op>Result"), or rows with their
    // count. They return 0, or failStatus when the exchange failed; rows is then
    // left as the caller had it.
    int postForWrappedResult(std::string& result, int failStatus = -1);
    int postForRowText(const char* rowTag, const char* fields, std::string& result, int failStatus = -1);
    int postForRows(const char* rowTag, const char* fields, std::string& result, int& rows, int failStatus = -1);

    // Decoding of the reply received by post().
    std::string value(const char* tag) const { return m_reply.GetNodeText(tag); }
    int rows(const char* rowTag, const char* fields, std::string& result) const
    {
        return m_reply.GetRows(rowTag, fields, result);
    }
    std::string envelope() const;

private:
    const ServiceConfig& m_config;
    const std::atomic<bool>* m_cancel;
    std::string m_operation;
    std::size_t m_capacity;
    char m_timeStamp[16] = {};
    char m_hash[33] = {};
    RequestBody m_body;
    std::string m_response;
    CXmlResponse m_reply;
};

// atoi semantics, as the service's statuses have always been read.
int statusOf(const std::string& value);

} // namespace cvsrv
