#include "ServiceHarness.h"
#include "TempFolder.h"
#include "live/RawClient.h"

#include "MonitorMessages.h"
#include "SignatureCheck.h"
#include "SignatureThrottle.h"
#include "SoapEndpoint.h"
#include "StatusCodes.h"
#include "store/ChargeRepository.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "web/UpdateFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <thread>

namespace cvservice::test {
namespace {

using namespace std::chrono_literals;

std::string stampNow()
{
    char stamp[32] = {};
    CUtility().GetTimeStamp(stamp);
    return stamp;
}

std::string verifyNow(const char* user, const char* password)
{
    return RawClient::verifyText(user, password, stampNow());
}

// Everything the server sends until it closes the connection (or the limit passes).
std::string untilClosed(RawClient& client, std::chrono::milliseconds limit = 3s)
{
    std::string all;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        const auto got = client.receive(100ms);
        if (got && got->empty())
            return all;
        if (got)
            all += *got;
    }
    return all + "<still open>";
}

std::string transferParameters(const std::string& stamp)
{
    return std::string("<inoutregphoneid>") + kUser + "</inoutregphoneid><inoutclientpassword>" + kPassword
        + "</inoutclientpassword><intoregphoneid>" + kOtherUser
        + "</intoregphoneid><inrecharge>100</inrecharge><inrechargeadd>0</inrechargeadd>"
          "<inprocessstate>2</inprocessstate><inremark></inremark><inuserid>pcadm</inuserid><timeticks>"
        + stamp + "</timeticks><strMD5Client>" + SignatureCheck::expectedHash(kUser, kPassword, stamp)
        + "</strMD5Client>";
}

std::string balanceOf(const ServiceHarness& harness, const char* user, const char* password)
{
    std::string balance;
    std::string expiry;
    EXPECT_EQ(harness.client().GetClientBalance(user, password, balance, expiry), 0);
    return balance;
}

TEST(HttpLimitsTest, BodiesWithoutAUsableLengthAreRefusedBeforeTheyAreRead)
{
    ServiceHarness harness;
    struct Case {
        std::string head;
        const char* status;
    };
    const std::string post = "POST /MeetingWebSevc.asmx HTTP/1.1\r\nHost: x\r\nContent-Type: text/xml\r\n";
    for (const Case& c : {
             Case { post + "Transfer-Encoding: chunked\r\n\r\n1000\r\n<soap", "HTTP/1.1 411" },
             Case { post + "\r\n<soap:Envelope", "HTTP/1.1 411" },
             Case { post + "Content-Length: 4194305\r\n\r\n<soap:Envelope", "HTTP/1.1 413" },
             Case { post + "Content-Length: 12abc\r\n\r\n<soap:Envelope", "HTTP/1.1 400" },
             Case { post + "Content-Length: 10\r\nContent-Length: 12\r\n\r\n<soap:Envelope", "HTTP/1.1 411" },
         }) {
        RawClient client(static_cast<std::uint16_t>(harness.service().httpPort()));
        client.send(c.head);
        // The rest of the body is never sent: the answer must not wait for it.
        const std::string reply = untilClosed(client);
        EXPECT_EQ(reply.rfind(c.status, 0), 0u) << c.head << "\n-> " << reply;
        EXPECT_EQ(reply.find("<still open>"), std::string::npos) << c.head;
    }
    EXPECT_EQ(harness.client().UserClientLogin(kUser, kPassword, ""), kOk);
}

TEST(HttpLimitsTest, SlowConnectionsNeitherHoldTheWorkersNorStayForever)
{
    ServiceOptions options = ServiceHarness::defaults();
    options.threads = 2;
    options.requestTimeoutMs = 1500;
    ServiceHarness harness(options);
    const auto port = static_cast<std::uint16_t>(harness.service().httpPort());

    std::vector<std::unique_ptr<RawClient>> slow;
    for (int i = 0; i < 12; ++i) {
        slow.push_back(std::make_unique<RawClient>(port));
        slow.back()->send("POST /MeetingWebSevc.asmx HTTP/1.1\r\nHo");
    }
    // A body that stops halfway, too big for the waiting room: it reaches a worker.
    RawClient stalled(port);
    stalled.send("POST /MeetingWebSevc.asmx HTTP/1.1\r\nContent-Type: text/xml\r\nContent-Length: 200000\r\n\r\n<soap");
    std::this_thread::sleep_for(100ms);

    cvsrv::ServiceConfig quick = harness.config();
    quick.exchangeTimeoutMs = 1000;
    EXPECT_EQ(CCvService(quick).UserClientLogin(kUser, kPassword, ""), kOk)
        << "a real client is served while the slow ones wait";

    for (auto& client : slow) {
        const std::string reply = untilClosed(*client);
        EXPECT_EQ(reply.rfind("HTTP/1.1 408", 0), 0u) << reply;
    }
    EXPECT_EQ(untilClosed(stalled).find("<still open>"), std::string::npos) << "a stalled body is given up";
}

TEST(HttpLimitsTest, AnIdleConnectionIsClosedWithoutAnAnswerNobodyAskedFor)
{
    ServiceOptions options = ServiceHarness::defaults();
    options.requestTimeoutMs = 300;
    ServiceHarness harness(options);
    const auto port = static_cast<std::uint16_t>(harness.service().httpPort());

    RawClient silent(port);
    RawClient kept(port);
    kept.send("GET /no-such-page HTTP/1.1\r\nHost: x\r\n\r\n");
    const auto answer = kept.receive();
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->rfind("HTTP/1.1 404", 0), 0u) << *answer;
    // A keep-alive client could send its next request just as the idle time runs out.
    const std::string rest = untilClosed(kept);
    EXPECT_EQ(rest.find("HTTP/1.1"), std::string::npos) << "no answer to a request never sent: " << rest;
    EXPECT_EQ(rest.find("<still open>"), std::string::npos);
    EXPECT_EQ(untilClosed(silent), "");
}

TEST(ReplayTest, ARepeatedStateChangingRequestIsRefusedAndReadsStayRepeatable)
{
    ServiceHarness harness;
    const std::string stamp = stampNow();
    const std::string transfer = harness.envelope("TransferAccount", transferParameters(stamp));
    const RawReply first = harness.post(transfer, harness.action("TransferAccount"));
    ASSERT_NE(first.body.find("<TransferAccountResult>0<"), std::string::npos) << first.body;
    for (int i = 0; i < 3; ++i) {
        const RawReply again = harness.post(transfer, harness.action("TransferAccount"));
        EXPECT_NE(again.body.find("<TransferAccountResult>117<"), std::string::npos) << again.body;
    }
    EXPECT_EQ(balanceOf(harness, kUser, kPassword), "587.00") << "the money moved once";
    EXPECT_STRNE(statusText(kRepeatedRequest), statusText(-1));

    const std::string read = harness.envelope("GetClientBalance",
        "<inregphoneid>13800138000</inregphoneid><inuserid>pcadm</inuserid><timeticks>" + stamp
            + "</timeticks><strMD5Client>" + SignatureCheck::expectedHash(kUser, kPassword, stamp) + "</strMD5Client>");
    const RawReply once = harness.post(read, harness.action("GetClientBalance"));
    const RawReply twice = harness.post(read, harness.action("GetClientBalance"));
    EXPECT_EQ(once.body, twice.body);
    EXPECT_NE(twice.body.find("587.00"), std::string::npos) << twice.body;

    EXPECT_TRUE(SoapEndpoint::refusesRepeats("TransferAccount"));
    EXPECT_TRUE(SoapEndpoint::refusesRepeats("ClientAddressNew"));
    EXPECT_TRUE(SoapEndpoint::refusesRepeats("createConference"));
    EXPECT_FALSE(SoapEndpoint::refusesRepeats("QueryClientAddress"));
    EXPECT_FALSE(SoapEndpoint::refusesRepeats("UserClientLogin"));
    EXPECT_FALSE(SoapEndpoint::refusesRepeats("ConferenceControl")) << "a toggle clicked twice";
}

TEST(SignatureThrottleTest, WaitsGrowAfterAFewFailuresUpToTheCap)
{
    SignatureThrottle throttle({ 3, 1000ms, 4000ms });
    const auto t0 = SignatureThrottle::Clock::now();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(throttle.wait("a", "10.0.0.1", t0), 0ms);
        throttle.failed("a", "10.0.0.1", t0);
    }
    EXPECT_EQ(throttle.wait("a", "10.0.0.1", t0), 0ms) << "the first few are free";
    std::vector<std::chrono::milliseconds> waits;
    auto t = t0;
    for (int i = 0; i < 5; ++i) {
        throttle.failed("a", "10.0.0.1", t);
        waits.push_back(throttle.wait("a", "10.0.0.1", t));
        t += waits.back();
    }
    EXPECT_EQ(waits, (std::vector<std::chrono::milliseconds> { 1000ms, 2000ms, 4000ms, 4000ms, 4000ms }));

    EXPECT_EQ(throttle.wait("a", "10.0.0.9", t - 1ms), 1ms) << "the account waits from any new address";
    EXPECT_EQ(throttle.wait("b", "10.0.0.1", t - 1ms), 1ms) << "the address waits for any account";
    EXPECT_EQ(throttle.wait("b", "10.0.0.9", t - 1ms), 0ms);

    // The owner signed in from home before: guesses elsewhere do not lock them out.
    SignatureThrottle owner({ 1, 60000ms, 60000ms });
    owner.succeeded("a", "192.168.1.5", t0);
    owner.failed("a", "10.0.0.1", t0);
    owner.failed("a", "10.0.0.1", t0);
    EXPECT_GT(owner.wait("a", "10.0.0.1", t0), 0ms);
    EXPECT_EQ(owner.wait("a", "192.168.1.5", t0), 0ms);
    EXPECT_EQ(owner.wait("", "10.0.0.2", t0), 0ms);
    EXPECT_EQ(owner.wait("a", "10.0.0.1", t0 + 60000ms), 0ms) << "never longer than the cap";
}

TEST(SignatureThrottleTest, SoapCallsAndMonitorSignInsShareTheLimit)
{
    ServiceOptions options = ServiceHarness::defaults();
    options.freeFailures = 2;
    options.failureDelayMs = 300;
    options.maxFailureDelayMs = 300;
    ServiceHarness harness(options);
    EXPECT_EQ(harness.client().UserClientLogin(kUser, "wrong1", ""), kWrongPassword);
    EXPECT_EQ(harness.client().UserClientLogin(kUser, "wrong2", ""), kWrongPassword);
    EXPECT_EQ(harness.client().UserClientLogin(kUser, "wrong3", ""), kWrongPassword);
    EXPECT_EQ(harness.client().UserClientLogin(kUser, kPassword, ""), kTooManyFailures)
        << "not even the right password is checked while the wait lasts";
    std::string text;
    ASSERT_EQ(harness.client().GetSysMsgInfo(kTooManyFailures, text), 0);
    EXPECT_EQ(text, statusText(kTooManyFailures));

    RawClient monitor(static_cast<std::uint16_t>(harness.service().monitorPort()));
    monitor.send(verifyNow(kUser, kPassword));
    const auto refused = monitor.message();
    ASSERT_TRUE(refused);
    EXPECT_EQ((*refused)["value"].asString(), MonitorMessages::kVerifyThrottled);

    EXPECT_TRUE(eventually([&] { return harness.client().UserClientLogin(kUser, kPassword, "") == kOk; }, 2000ms))
        << "the wait ends";
}

TEST(MonitorLimitsTest, ConnectionsPerAddressAndAccountAreBoundedAndIdleOnesClosed)
{
    ServiceOptions options = ServiceHarness::defaults();
    options.monitorPerAddress = 3;
    options.monitorPerAccount = 1;
    options.monitorIdleMs = 300;
    ServiceHarness harness(options);
    const auto port = static_cast<std::uint16_t>(harness.service().monitorPort());

    RawClient first(port);
    first.send(verifyNow(kUser, kPassword));
    ASSERT_TRUE(first.message());
    RawClient second(port);
    second.send(verifyNow(kUser, kPassword));
    const auto full = second.message();
    ASSERT_TRUE(full);
    EXPECT_EQ((*full)["phonelist"].asString(), MonitorMessages::kTooManyConnections);
    EXPECT_TRUE(second.closedByServer());

    RawClient third(port);
    RawClient fourth(port);
    ASSERT_TRUE(third.connected());
    EXPECT_FALSE(third.receive(100ms)) << "a third from this address is still let in";
    EXPECT_TRUE(fourth.closedByServer(1000ms)) << "a fourth is not";

    EXPECT_TRUE(first.closedByServer(2000ms)) << "verified, but watching nothing";
}

TEST(RecordingAddressTest, RecordingsAreServedUnderRandomTokensOnly)
{
    ServiceHarness harness;
    std::string text;
    int rows = 0;
    ASSERT_EQ(harness.client().GetMeetingRecordFile(kUser, kPassword, "", text, rows), 0);
    ASSERT_GT(rows, 1);
    const std::regex address(R"(http://127\.0\.0\.1:\d+(/recordings/[0-9a-f]{32}\.wav))");
    std::set<std::string> paths;
    for (const auto& row : rowsOf(text)) {
        std::smatch match;
        ASSERT_TRUE(std::regex_match(row.at(3), match, address)) << row.at(3);
        paths.insert(match[1]);
        EXPECT_EQ(harness.get(match[1]).status, 200);
        EXPECT_EQ(harness.get("/recordings/" + row.at(0) + ".wav").status, 404) << "not by conference id";
    }
    EXPECT_EQ(paths.size(), static_cast<std::size_t>(rows));
    EXPECT_EQ(harness.get("/recordings/00000000000000000000000000000000.wav").status, 404);
}

TEST(RecordingAddressTest, AnOlderStoreGivesItsRecordingsTokens)
{
    Database db(":memory:");
    Schema::migrate(db, 2);
    db.exec("INSERT INTO recordings (conferenceid, regphoneid, meetcall, meettime, title, seconds) VALUES "
            "('2026010100001', '13800138000', '075500', '2026-01-01T10:00:00', 't', 60), "
            "('2026010100002', '13800138000', '075500', '2026-01-01T11:00:00', 't', 60)");
    Schema::migrate(db);
    ChargeRepository charges(db);
    const auto one = charges.recording("2026010100001");
    const auto two = charges.recording("2026010100002");
    ASSERT_TRUE(one && two);
    EXPECT_EQ(one->token.size(), 32u);
    EXPECT_NE(one->token, two->token);
    EXPECT_EQ(charges.recordingByToken(two->token)->conferenceid, "2026010100002");
}

TEST(PublicAddressTest, AddressesInRepliesNeverComeFromTheHostHeader)
{
    for (const std::string& publicUrl : { std::string(), std::string("http://conf.example.com:9000") }) {
        ServiceOptions options = ServiceHarness::defaults();
        options.publicUrl = publicUrl;
        options.latestVersion = "2000";
        ServiceHarness harness(options);
        const std::string expected
            = publicUrl.empty() ? "http://127.0.0.1:" + std::to_string(harness.service().httpPort()) : publicUrl;

        RawClient client(static_cast<std::uint16_t>(harness.service().httpPort()));
        const std::string body = harness.envelope("CheckOrUpdatePCClientVersion",
            "<insofttype>160</insofttype><insoftversion>1000</insoftversion><inuserid>pcadm</inuserid><timeticks>"
                + stampNow() + "</timeticks>");
        client.send("POST /MeetingWebSevc.asmx HTTP/1.1\r\nHost: evil.example.net\r\nContent-Type: text/xml\r\n"
                    "SOAPAction: "
            + harness.action("CheckOrUpdatePCClientVersion") + "\r\nContent-Length: " + std::to_string(body.size())
            + "\r\nConnection: close\r\n\r\n" + body);
        const std::string reply = untilClosed(client);
        EXPECT_EQ(reply.find("evil"), std::string::npos) << reply;
        EXPECT_NE(reply.find(expected + "/updates/"), std::string::npos) << reply;

        std::string text;
        int rows = 0;
        ASSERT_EQ(harness.client().GetMeetingRecordFile(kUser, kPassword, "", text, rows), 0);
        EXPECT_EQ(rowsOf(text).at(0).at(3).rfind(expected + "/recordings/", 0), 0u) << text;
    }
}

TEST(UpdateFolderTest, OnlyRegularFilesOfTheFolderAreServed)
{
    TempFolder folder;
    TempFolder outside;
    std::ofstream(folder.file("corvana")) << "program";
    std::ofstream(outside.file("secret")) << "not for anyone";
    std::filesystem::create_symlink(outside.file("secret"), folder.file("linked"));
    std::filesystem::create_directory(folder.file("sub"));
    const std::string base = std::filesystem::path(folder.file("corvana")).parent_path().string();

    const UpdateFiles files(base, "1008");
    EXPECT_EQ(files.names(), std::vector<std::string> { "corvana" });
    EXPECT_EQ(files.content("corvana"), "program");
    EXPECT_FALSE(files.content("linked"));
    EXPECT_FALSE(files.content("sub"));

    ServiceOptions options = ServiceHarness::defaults();
    options.updatesDir = base;
    ServiceHarness harness(options);
    EXPECT_EQ(harness.get("/updates/corvana").body, "program");
    EXPECT_EQ(harness.get("/updates/linked").status, 404);
}

} // namespace
} // namespace cvservice::test
