#include "ServiceHarness.h"
#include "TempFolder.h"

#include "Faults.h"
#include "StatusCodes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace cvservice::test {
namespace {

ServiceOptions onDisk(const std::string& path, bool demo)
{
    ServiceOptions options = ServiceHarness::defaults();
    options.dbPath = path;
    options.demo = demo;
    return options;
}

int contactCount(const ServiceHarness& harness, const char* user, const char* password)
{
    std::string text;
    int rows = -1;
    EXPECT_EQ(harness.client().QueryClientAddress(user, password, text, rows), 0);
    return rows;
}

TEST(StoreTest, DataSurvivesARestartAndDemoSeedsOnlyAnEmptyStore)
{
    TempFolder folder;
    const std::string db = folder.file("store.db");
    std::string conferenceId;
    {
        ServiceHarness first(onDisk(db, true));
        EXPECT_TRUE(first.service().demoSeeded());
        std::string result;
        ASSERT_EQ(first.client().ClientAddressNew(kUser, kPassword, 0, 1, "新朋友", "13655556666", "", 0, result), 0);
        ASSERT_EQ(first.client().ModifytPasswordByPhoneID(kUser, kPassword, "changed"), kOk);
        ASSERT_EQ(first.client().createConference(kUser, "changed", "没结束的会", kUser, "13911110001", "王芳",
                      timeFromNow(0).c_str(), "", 0, 0, 0, 0, 0, result),
            0);
        conferenceId = rowsOf(result).at(0).at(0);
        ASSERT_GT(conferenceId.size(), 9u);
    }
    {
        ServiceHarness second(onDisk(db, true));
        EXPECT_FALSE(second.service().demoSeeded()) << "a store with data is left as it is";
        EXPECT_EQ(second.client().UserClientLogin(kUser, kPassword, ""), kWrongPassword);
        EXPECT_EQ(second.client().UserClientLogin(kUser, "changed", ""), kOk);
        EXPECT_EQ(contactCount(second, kUser, "changed"), 41);

        // The conference that was running when the service stopped cannot run any more.
        std::string text;
        int rows = -1;
        ASSERT_EQ(second.client().Getcurrentconferencelist(kUser, "changed", text, rows), 0);
        EXPECT_EQ(rows, 0);
        ASSERT_EQ(second.client().GetMeetingStatus(kUser, "changed", conferenceId.c_str(), text), 0);
        EXPECT_EQ(text, "2\r");
    }
}

TEST(StoreTest, WithoutDemoTheStoreStartsEmpty)
{
    ServiceOptions options = ServiceHarness::defaults();
    options.demo = false;
    ServiceHarness harness(options);
    EXPECT_FALSE(harness.service().demoSeeded());
    EXPECT_EQ(harness.client().UserClientLogin(kUser, kPassword, ""), kUnknownAccount);
}

class FaultsTest : public ::testing::Test {
protected:
    void setReply(HttpFaults::Reply reply)
    {
        HttpFaults faults;
        faults.reply = reply;
        harness.service().faults().setHttp(faults);
    }

    ServiceHarness harness;
};

TEST_F(FaultsTest, EachReplyFaultFailsTheCallAndChangesNothing)
{
    struct Case {
        HttpFaults::Reply reply;
        int loginStatus; // what the library makes of it
    };
    for (const Case& c : { Case { HttpFaults::Reply::Drop, 9 }, Case { HttpFaults::Reply::Chunked, 9 },
             Case { HttpFaults::Reply::Malformed, 9 }, Case { HttpFaults::Reply::Truncated, 9 },
             Case { HttpFaults::Reply::ServerError, 9 } }) {
        setReply(c.reply);
        EXPECT_EQ(harness.client().UserClientLogin(kUser, kPassword, ""), c.loginStatus) << HttpFaults::name(c.reply);
        std::string result;
        harness.client().ClientAddressNew(kOtherUser, kOtherPassword, 0, 1, "故障", "13600000001", "", 0, result);
        EXPECT_EQ(result, "") << HttpFaults::name(c.reply);
        setReply(HttpFaults::Reply::Normal);
        EXPECT_EQ(contactCount(harness, kOtherUser, kOtherPassword), 0) << HttpFaults::name(c.reply);
    }
    EXPECT_EQ(harness.client().UserClientLogin(kUser, kPassword, ""), kOk);
}

TEST_F(FaultsTest, ChunkedAndTruncatedRepliesLookTheirPart)
{
    setReply(HttpFaults::Reply::Chunked);
    RawReply chunked
        = harness.post(harness.envelope("GetSysMsgInfo", "<msgno>0</msgno>"), harness.action("GetSysMsgInfo"));
    EXPECT_FALSE(chunked.hasContentLength);
    EXPECT_NE(chunked.body.find("soap:Fault"), std::string::npos);
    setReply(HttpFaults::Reply::ServerError);
    EXPECT_EQ(
        harness.post(harness.envelope("GetSysMsgInfo", "<msgno>0</msgno>"), harness.action("GetSysMsgInfo")).status,
        500);
}

// The updater's downloads come from the same service and go wrong with it.
TEST_F(FaultsTest, UpdateFilesTakeTheSameSwitches)
{
    const RawReply whole = harness.get("/updates/version.txt");
    ASSERT_EQ(whole.status, 200);
    setReply(HttpFaults::Reply::ServerError);
    EXPECT_EQ(harness.get("/updates/version.txt").status, 500);
    setReply(HttpFaults::Reply::Chunked);
    EXPECT_FALSE(harness.get("/updates/version.txt").hasContentLength);
    setReply(HttpFaults::Reply::Normal);
    EXPECT_EQ(harness.get("/updates/version.txt").body, whole.body);
}

TEST(FaultControlTest, SwitchesOnlyWhenEnabledAndOnlyForAJsonBodyWithTheToken)
{
    ServiceOptions options = ServiceHarness::defaults();
    options.faultControl = true;
    ServiceHarness harness(options);
    const std::string token = harness.service().faultToken();
    ASSERT_EQ(token.size(), 32u);
    auto withToken = [&](const std::string& fields) { return "{\"token\":\"" + token + "\"," + fields + "}"; };

    const RawReply json = harness.postForm(
        "/_control/faults", withToken(R"("reply":"http500","delayMs":5,"monitor":{"split":true})"), "application/json");
    ASSERT_EQ(json.status, 200) << json.body;
    EXPECT_EQ(harness.service().faults().http().reply, HttpFaults::Reply::ServerError);
    EXPECT_EQ(harness.service().faults().http().delayMs, 5);
    EXPECT_TRUE(harness.service().faults().monitor().at("split"));
    EXPECT_EQ(harness.client().UserClientLogin(kUser, kPassword, ""), 9);
    ASSERT_EQ(harness
                  .postForm("/_control/faults", withToken(R"("reply":"none","delayMs":0,"monitor":{"split":false})"),
                      "application/json")
                  .status,
        200);
    EXPECT_EQ(harness.client().UserClientLogin(kUser, kPassword, ""), kOk);

    struct Refused {
        std::string body;
        std::string type;
        int status;
    };
    for (const Refused& r : {
             // What a web page could send: a form, or JSON-looking text as a simple request.
             Refused { "reply=http500&token=" + token, "application/x-www-form-urlencoded", 415 },
             Refused { withToken(R"("reply":"http500")"), "text/plain", 415 },
             Refused { R"({"reply":"http500"})", "application/json", 403 },
             Refused { R"({"token":"0123456789abcdef0123456789abcdef","reply":"http500"})", "application/json", 403 },
             Refused { R"({"token":42,"reply":"http500"})", "application/json", 403 },
             Refused { R"([1,2])", "application/json", 403 },
             Refused { "{not json", "application/json", 400 },
             Refused { withToken(R"("reply":"sometimes")"), "application/json", 400 },
             Refused { withToken(R"("delayMs":-1)"), "application/json", 400 },
             Refused { withToken(R"("monitor":{"melt":true})"), "application/json", 400 },
             Refused { withToken(R"("monitor":{"split":"yes"})"), "application/json", 400 },
         }) {
        EXPECT_EQ(harness.postForm("/_control/faults", r.body, r.type).status, r.status) << r.body;
    }
    EXPECT_EQ(harness.service().faults().http().reply, HttpFaults::Reply::Normal)
        << "a refused request changes nothing";
    const RawReply current = harness.get("/_control/faults");
    EXPECT_NE(current.body.find("\"reply\":\"none\""), std::string::npos) << current.body;
}

TEST(FaultControlTest, WithoutTheFlagThereIsNoSwitch)
{
    ServiceHarness harness;
    EXPECT_EQ(
        harness
            .postForm("/_control/faults",
                "{\"token\":\"" + harness.service().faultToken() + "\",\"reply\":\"http500\"}", "application/json")
            .status,
        404);
    EXPECT_EQ(harness.get("/_control/faults").status, 404);
    EXPECT_EQ(harness.service().faults().http().reply, HttpFaults::Reply::Normal);
    EXPECT_NE(ServiceHarness(ServiceHarness::defaults()).service().faultToken(), harness.service().faultToken())
        << "every start makes its own token";
}

TEST(MonitorFaultSwitchesTest, ChangesAreHandedToTheMonitorServer)
{
    Faults faults;
    faults.setMonitor("garbage", true);
    std::vector<std::pair<std::string, bool>> seen;
    faults.forwardMonitorTo([&](const std::string& name, bool on) { seen.emplace_back(name, on); });
    EXPECT_EQ(seen.size(), 4u) << "the current state is handed over at once";
    EXPECT_NE(std::find(seen.begin(), seen.end(), std::make_pair(std::string("garbage"), true)), seen.end());
    seen.clear();
    EXPECT_TRUE(faults.setMonitor("drop", true));
    EXPECT_FALSE(faults.setMonitor("melt", true));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], std::make_pair(std::string("drop"), true));
}

TEST_F(FaultsTest, ADelayedReplyStillArrives)
{
    HttpFaults faults;
    faults.delayMs = 50;
    harness.service().faults().setHttp(faults);
    EXPECT_EQ(harness.client().UserClientLogin(kUser, kPassword, ""), kOk);
}

TEST(ServiceOptionsTest, CommandLine)
{
    std::string error;
    const char* good[] = { "cvservice", "--http-port", "0", "--db", ":memory:", "--demo", "--seed", "7", "--fast",
        "--fault", "chunked", "--delay-ms", "20", "--stamp-window", "0", "--monitor-fault", "split", "--fault-control",
        "--public-url", "http://conf.example.com:8080", "--request-timeout-ms", "250", "--allow-repeats" };
    const auto options = ServiceOptions::parse(static_cast<int>(std::size(good)), good, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->httpPort, 0);
    EXPECT_EQ(options->dbPath, ":memory:");
    EXPECT_TRUE(options->demo);
    EXPECT_EQ(options->seed, 7u);
    EXPECT_EQ(options->faults.reply, HttpFaults::Reply::Chunked);
    EXPECT_EQ(options->faults.delayMs, 20);
    EXPECT_EQ(options->stampWindowSeconds, 0);
    EXPECT_TRUE(options->faultControl);
    EXPECT_EQ(options->publicUrl, "http://conf.example.com:8080");
    EXPECT_EQ(options->requestTimeoutMs, 250);
    EXPECT_FALSE(options->refuseRepeats);

    for (auto bad : { std::vector<const char*> { "cvservice", "--http-port", "70000" },
             std::vector<const char*> { "cvservice", "--http-port" },
             std::vector<const char*> { "cvservice", "--fault", "melt" },
             std::vector<const char*> { "cvservice", "--public-url", "http://a/b?c" },
             std::vector<const char*> { "cvservice", "--public-url", "ftp://a" },
             std::vector<const char*> { "cvservice", "--request-timeout-ms", "0" },
             std::vector<const char*> { "cvservice", "--verbose" } }) {
        EXPECT_FALSE(ServiceOptions::parse(static_cast<int>(bad.size()), bad.data(), error)) << bad[1];
    }

    ServiceHarness first;
    ServiceOptions samePort = ServiceHarness::defaults();
    samePort.httpPort = first.service().httpPort();
    Service second(samePort);
    EXPECT_FALSE(second.start(error));
    EXPECT_NE(error.find(std::to_string(samePort.httpPort)), std::string::npos) << error;

    ServiceOptions unknownMonitorFault = ServiceHarness::defaults();
    unknownMonitorFault.monitorFaults = { "melt" };
    Service service(unknownMonitorFault);
    EXPECT_FALSE(service.start(error));
}

} // namespace
} // namespace cvservice::test
