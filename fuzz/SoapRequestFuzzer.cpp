// The service's reading of a request: any bytes as the body of a POST to the SOAP
// endpoint, under a SOAPAction that comes from the input too. Two operations stand
// for the real ones, a signed and an unsigned one, each echoing a parameter: what
// the service answers must be well-formed XML whatever the request held.
#include "Faults.h"
#include "OperationTable.h"
#include "ReplayGuard.h"
#include "SignatureCheck.h"
#include "SignatureThrottle.h"
#include "SoapEndpoint.h"
#include "SoapReply.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <pugixml.hpp>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

using namespace cvservice;

constexpr const char* kNamespace = "http://corvana.example.com/";

OperationTable echoOperations()
{
    OperationTable table;
    table.add({ "GetSysMsgInfo", { I("msgno"), T("note") }, { SigningSpec::Unsigned },
        [](const SoapRequest& r) { return SoapReply::result(r.operation, r.text("note"), { { "msgno", r.text("msgno") } }); } });
    table.add({ "QueryClientAddress", { T("inregphoneid"), T("timeticks"), T("strMD5Client") }, lowerCaseSigning(),
        [](const SoapRequest& r) { return SoapReply::result(r.operation, r.text("inregphoneid")); } });
    return table;
}

struct Endpoint {
    OperationTable operations = echoOperations();
    SignatureCheck signatures {
        [](const std::string& account) -> std::optional<std::string> {
            if (account == "13800138000")
                return std::string("123456");
            return std::nullopt;
        },
        0 };
    SignatureThrottle throttle { {} };
    ReplayGuard replays { 300 };
    Faults faults;
    SoapEndpoint endpoint { operations, kNamespace, signatures, throttle, replays, faults, {} };
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Endpoint service;
    FuzzedDataProvider input(data, size);
    const std::string action = input.ConsumeBool() ? std::string(kNamespace) + input.ConsumeRandomLengthString(32)
                                                   : input.ConsumeRandomLengthString(64);
    const std::string body = input.ConsumeRemainingBytesAsString();
    const SoapEndpoint::Answer answer = service.endpoint.answer(body, action, { "127.0.0.1", "http://127.0.0.1:8080" });
    pugi::xml_document reply;
    if (!reply.load_buffer(answer.body.data(), answer.body.size())) {
        std::fprintf(stderr, "not well-formed: %s\n", answer.body.c_str());
        std::abort();
    }
    return 0;
}
