// Links the shared library alone, as the program does: everything the program calls
// must be exported, the trace hook under its plain name.
#include "cvsrv/CCvService.h"
#include "cvsrv/CUtility.h"

#include "FakeSoapServer.h"
#include "SoapReplies.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

using corvana::test::CannedReply;
using corvana::test::FakeSoapServer;

TEST(PublicApi, OperationThroughTheSharedLibrary)
{
    FakeSoapServer server;
    server.setReply(CannedReply::ok(corvana::test::soapResult("urn:ns/", "UserClientLogin", "0")));
    cvsrv::ServiceConfig config = cvsrv::ServiceConfig::fromEnvironment();
    config.webHost = FakeSoapServer::host();
    config.webPort = server.port();
    config.namespaceUri = "urn:ns/";
    EXPECT_EQ(CCvService(config).UserClientLogin("1", "2", "3"), 0);
    EXPECT_EQ(server.lastRequest().header("SOAPAction"), "\"urn:ns/UserClientLogin\"");
}

TEST(PublicApi, UtilitiesAndThePlainTraceHook)
{
    const CUtility utility;
    char digest[33];
    EXPECT_STREQ(utility.GetHashCode("abc", digest), "900150983CD24FB0D6963F7D28E17F72");
    std::vector<std::string> pieces;
    EXPECT_EQ(utility.Split("a\rb", "\r", &pieces)->size(), 2u);

    using Hook = bool (*)(const char*, const char*);
    const auto hook = reinterpret_cast<Hook>(dlsym(RTLD_DEFAULT, "Log"));
    ASSERT_NE(hook, nullptr) << "Log is not exported under its plain name";
    EXPECT_TRUE(hook("mylog.txt", "line"));
}
