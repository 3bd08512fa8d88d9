#pragma once

#include <string>

namespace httplib {
class Server;
struct Request;
struct Response;
} // namespace httplib

namespace cvservice {

class Faults;
class OperationTable;
class ReplayGuard;
class SignatureCheck;
class SignatureThrottle;

// POST /MeetingWebSevc.asmx: reads the envelope, checks the SOAPAction header and
// the parameters against the operation, verifies the signature, runs the handler
// and answers with its response element, or with a SOAP fault (HTTP 500) for
// anything that is not a well-formed call of a known operation. Failed signatures
// are throttled, and a state-changing call already carried out is not run again.
class SoapEndpoint {
public:
    static constexpr const char* kPath = "/MeetingWebSevc.asmx";

    struct Answer {
        int httpStatus = 200;
        std::string body;
    };

    // Who sent a request and how it reached us.
    struct Caller {
        std::string address; // the peer's IP address
        std::string baseUrl; // "http://host:port" for the addresses a reply carries
    };

    // publicUrl: "http://host:port" as clients reach this service; empty: the address
    // each request came in on.
    SoapEndpoint(const OperationTable& operations, std::string namespaceUri, const SignatureCheck& signatures,
        SignatureThrottle& throttle, ReplayGuard& replays, Faults& faults, std::string publicUrl);

    void install(httplib::Server& server);

    // The whole exchange without HTTP, for the handler and for tests.
    Answer answer(const std::string& body, const std::string& soapAction, const Caller& caller) const;

    // Whether a second identical signed call is refused: listing, lookups and sign-in
    // may be sent again as they are. So may the commands of a running conference: a
    // toggle clicked twice within the second a time stamp lasts is one identical
    // request sent twice on purpose, and a repeat acts on a live call only.
    static bool refusesRepeats(const std::string& operation);

private:
    void serve(const httplib::Request& request, httplib::Response& response) const;

    const OperationTable& m_operations;
    std::string m_namespace;
    const SignatureCheck& m_signatures;
    SignatureThrottle& m_throttle;
    ReplayGuard& m_replays;
    Faults& m_faults;
    std::string m_publicUrl;
};

} // namespace cvservice
