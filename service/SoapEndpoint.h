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
class SignatureCheck;

// POST /MeetingWebSevc.asmx: reads the envelope, checks the SOAPAction header and
// the parameters against the operation, verifies the signature, runs the handler
// and answers with its response element, or with a SOAP fault (HTTP 500) for
// anything that is not a well-formed call of a known operation.
class SoapEndpoint {
public:
    static constexpr const char* kPath = "/MeetingWebSevc.asmx";

    struct Answer {
        int httpStatus = 200;
        std::string body;
    };

    SoapEndpoint(
        const OperationTable& operations, std::string namespaceUri, const SignatureCheck& signatures, Faults& faults);

    void install(httplib::Server& server);

    // The whole exchange without HTTP, for the handler and for tests.
    Answer answer(const std::string& body, const std::string& soapAction, const std::string& baseUrl) const;

private:
    void serve(const httplib::Request& request, httplib::Response& response) const;

    const OperationTable& m_operations;
    std::string m_namespace;
    const SignatureCheck& m_signatures;
    Faults& m_faults;
};

} // namespace cvservice
