#include "cvsrv/CCvService.h"

#include "FakeSoapServer.h"
#include "SoapReplies.h"

#include <gtest/gtest.h>

using corvana::test::CannedReply;
using corvana::test::FakeSoapServer;

namespace {

constexpr const char* kNs = "http://svc.test/corvana/";

cvsrv::ServiceConfig configFor(const FakeSoapServer& server)
{
    cvsrv::ServiceConfig config;
    config.webHost = FakeSoapServer::host();
    config.webPort = server.port();
    config.namespaceUri = kNs;
    config.connectTimeoutMs = 2000;
    config.exchangeTimeoutMs = 5000;
    return config;
}

} // namespace

TEST(Transport, Smoke)
{
    FakeSoapServer server;
    server.setReply(CannedReply::ok(corvana::test::soapResult(kNs, "UserClientLogin", "0")));
    CCvService service(configFor(server));
    EXPECT_EQ(service.UserClientLogin("1", "2", "3"), 0);
    const auto request = server.lastRequest();
    EXPECT_EQ(request.requestLine, "POST /MeetingWebSevc.asmx HTTP/1.0");
}
