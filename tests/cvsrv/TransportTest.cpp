// The HTTP exchange and the request text beyond the per-operation table: framing,
// capacities, faults, time-outs, cancel, escaping, code pages and length limits.
#include "cvsrv/CCvService.h"
#include "cvsrv/CUtility.h"

#include "CodePageGuard.h"
#include "FakeSoapServer.h"
#include "RequestChecks.h"
#include "SoapReplies.h"
#include "TestService.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

using corvana::test::CannedReply;
using corvana::test::configFor;
using corvana::test::dataSetReply;
using corvana::test::FakeSoapServer;
using corvana::test::Row;
using corvana::test::soapEnvelope;
using corvana::test::soapResponse;
using corvana::test::soapResult;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

namespace {

constexpr const char* kNs = corvana::test::kTestNamespace;
constexpr const char* kPhone = "13912345678";
constexpr const char* kPassword = "pw";
// "张三" in code page 936.
constexpr const char* kZhangSanGbk = "\xD5\xC5\xC8\xFD";

bool isValidUtf8(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1
            : (lead >> 5) == 0x6               ? 2
            : (lead >> 4) == 0xE               ? 3
            : (lead >> 3) == 0x1E              ? 4
                                               : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

std::string repeated(const std::string& piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

} // namespace

TEST(Framing, ReplyWithoutContentLengthFailsEvenWhenComplete)
{
    FakeSoapServer server;
    CannedReply reply = CannedReply::ok(soapResult(kNs, "UserClientLogin", "0"));
    reply.framing = CannedReply::Framing::NoLength;
    server.setReply(reply);
    EXPECT_EQ(CCvService(configFor(server)).UserClientLogin(kPhone, kPassword, "ip"), 9);
    std::string text;
    int rows = 5;
    EXPECT_EQ(CCvService(configFor(server)).GetConfGroup(kPhone, kPassword, text, rows), -1);
    EXPECT_EQ(rows, 5);
}

TEST(Framing, ErrorStatusIsDecodedLikeAnyReply)
{
    FakeSoapServer server;
    CannedReply reply = CannedReply::ok(soapResult(kNs, "UserClientLogin", "4"));
    reply.status = 500;
    reply.reason = "Internal Server Error";
    server.setReply(reply);
    EXPECT_EQ(CCvService(configFor(server)).UserClientLogin(kPhone, kPassword, "ip"), 4);
}

TEST(Framing, MalformedReplyGivesTheEmptyResultStatus)
{
    FakeSoapServer server;
    // Holds the result element but never closes the envelope.
    server.setReply(CannedReply::ok("<?xml version=\"1.0\"?><soap:Envelope xmlns:soap=\"urn:s\"><soap:Body>"
                                    "<UserClientLoginResponse><UserClientLoginResult>0</UserClientLoginResult>"));
    EXPECT_EQ(CCvService(configFor(server)).UserClientLogin(kPhone, kPassword, "ip"), 9);
    EXPECT_EQ(CCvService(configFor(server)).SetMeetCall(kPhone, kPassword, "010"), -1);
    std::string text = "stale";
    EXPECT_EQ(CCvService(configFor(server)).GetSysMsgInfo(3, text), 0);
    EXPECT_EQ(text, "");
}

TEST(Capacity, LargeContactListsFitTheirOwnLimit)
{
    FakeSoapServer server;
    std::vector<Row> rows;
    for (int i = 0; i < 20000; ++i)
        rows.push_back({ { "addressno", std::to_string(i) }, { "addressname", "联系人" + std::to_string(i) },
            { "phone", "139" + std::to_string(10000000 + i) } });
    const std::string reply = dataSetReply(kNs, "QueryClientAddress", "Table", rows);
    ASSERT_GT(reply.size(), 409600u);
    server.setReply(CannedReply::ok(reply));
    std::string text;
    int count = 0;
    EXPECT_EQ(CCvService(configFor(server)).QueryClientAddress(kPhone, kPassword, text, count), 0);
    EXPECT_EQ(count, 20000);
    EXPECT_EQ(text.rfind("\r0\r联系人0\r13910000000\r\r\r\r\r\n\r1\r联系人1\r", 0), 0u);
}

namespace {

// The time-outs are checked against the clock: a call must give up no sooner than its
// configured limit and long before ten times that, so that a limit read in the wrong
// unit or scale fails here, while a busy machine's delays stay far inside the margin.
constexpr auto kTimeOut = 300ms;
constexpr auto kWellBelowTenTimes = 2s;

template <typename Call> void expectGivesUpOnTime(const char* what, Call call)
{
    SCOPED_TRACE(what);
    const auto start = Clock::now();
    call();
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
    // curl keeps time in whole milliseconds.
    EXPECT_GE(elapsed, kTimeOut - 1ms);
    EXPECT_LT(elapsed, kWellBelowTenTimes);
}

} // namespace

TEST(TimeOut, SilentServerEndsTheExchangeAtItsLimit)
{
    FakeSoapServer server;
    CannedReply silent = CannedReply::ok(soapResult(kNs, "UserClientLogin", "0"));
    silent.delay = 60s;
    server.setReply(silent);
    cvsrv::ServiceConfig config = configFor(server);
    config.exchangeTimeoutMs = kTimeOut.count();

    expectGivesUpOnTime("sign-in", [&] { EXPECT_EQ(CCvService(config).UserClientLogin(kPhone, kPassword, "ip"), 9); });
    expectGivesUpOnTime("room information", [&] {
        std::string text;
        EXPECT_EQ(CCvService(config).GetClientRoomInfo(kPhone, kPassword, text), -1);
    });
}

TEST(TimeOut, TrickleSlowerThanTheExchangeLimitFails)
{
    FakeSoapServer server;
    CannedReply trickle = CannedReply::ok(soapResult(kNs, "SetMeetCall", "0"));
    trickle.trickleBytes = 4;
    trickle.trickleInterval = 100ms; // the whole reply would take some seconds
    server.setReply(trickle);
    cvsrv::ServiceConfig config = configFor(server);
    config.exchangeTimeoutMs = kTimeOut.count();
    expectGivesUpOnTime("trickle", [&] { EXPECT_EQ(CCvService(config).SetMeetCall(kPhone, kPassword, "010"), 9); });
}

TEST(TimeOut, HostThatNeverAcceptsEndsTheConnectAtItsLimit)
{
    // A listener whose one-place accept queue is taken and never served: the system
    // drops further connection requests, as a host that does not answer would.
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    const int queued = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(listener, 0);
    ASSERT_GE(queued, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), length), 0);
    ASSERT_EQ(::listen(listener, 0), 0);
    ASSERT_EQ(::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length), 0);
    ASSERT_EQ(::connect(queued, reinterpret_cast<sockaddr*>(&address), length), 0);

    cvsrv::ServiceConfig config;
    config.webHost = "127.0.0.1";
    config.webPort = ntohs(address.sin_port);
    config.namespaceUri = kNs;
    config.connectTimeoutMs = kTimeOut.count();
    config.exchangeTimeoutMs = 60000;
    expectGivesUpOnTime("connect", [&] { EXPECT_EQ(CCvService(config).UserClientLogin(kPhone, kPassword, "ip"), 9); });
    ::close(queued);
    ::close(listener);
}

TEST(Cancel, AbortsATransferInProgress)
{
    FakeSoapServer server;
    CannedReply trickle = CannedReply::ok(soapResult(kNs, "GetMeetingStatus", "1"));
    trickle.trickleBytes = 4;
    trickle.trickleInterval = 200ms; // the whole reply would take over 15 s
    server.setReply(trickle);
    std::atomic<bool> cancel { false };

    const auto start = Clock::now();
    auto call = std::async(std::launch::async, [&] {
        std::string text = "stale";
        const int status = CCvService(configFor(server), &cancel).GetMeetingStatus(kPhone, kPassword, "1", text);
        return std::make_pair(status, text);
    });
    ASSERT_TRUE(server.waitForRequests(1, 10s));
    std::this_thread::sleep_for(300ms); // part of the reply is on its way
    cancel = true;
    ASSERT_EQ(call.wait_for(8s), std::future_status::ready) << "the call ignored the cancel";
    const auto [status, text] = call.get();
    EXPECT_EQ(status, -1);
    EXPECT_EQ(text, "");
    EXPECT_LT(Clock::now() - start, 9s);
}

TEST(Cancel, AlreadyCancelledCallSendsNothing)
{
    FakeSoapServer server;
    server.setReply(CannedReply::ok(soapResult(kNs, "UserClientLogin", "0")));
    const std::atomic<bool> cancel { true };
    EXPECT_EQ(CCvService(configFor(server), &cancel).UserClientLogin(kPhone, kPassword, "ip"), 9);
    std::string text;
    EXPECT_EQ(CCvService(configFor(server), &cancel).GetSysMsgInfo(1, text), -1);
    EXPECT_EQ(text, "发送数据失败!");
    EXPECT_EQ(server.requestCount(), 0u);
}

TEST(Escaping, TextValuesCannotBreakTheRequest)
{
    FakeSoapServer server;
    server.setReply(CannedReply::ok(soapResult(kNs, "ClientAddressNew", "0")));
    std::string text;
    EXPECT_EQ(CCvService(configFor(server))
                  .ClientAddressNew(kPhone, kPassword, 1, 0, "A&B <张三>", "1390</phone><x>", "a\"b'c@d", 1, text),
        0);
    const auto request = server.lastRequest();
    EXPECT_NE(request.body.find("<addressName>A&amp;B &lt;张三&gt;</addressName>"), std::string::npos) << request.body;
    EXPECT_EQ(parameterOf(request, "addressName"), "A&B <张三>");
    EXPECT_EQ(parameterOf(request, "phone"), "1390</phone><x>");
    EXPECT_EQ(parameterOf(request, "email"), "a\"b'c@d");
    EXPECT_EQ(text, "0\r");
}

TEST(Escaping, SignInSignsThePasswordAsTyped)
{
    FakeSoapServer server;
    server.setReply(CannedReply::ok(soapResult(kNs, "UserClientLogin", "0")));
    const char* password = "p&<w";
    EXPECT_EQ(CCvService(configFor(server)).UserClientLogin(kPhone, password, "ip"), 0);
    const auto request = server.lastRequest();
    checkRequest(request, kNs,
        { "UserClientLogin",
            { { "inregphoneid", kPhone }, { "inclientpassword", password }, { "inipaddress", "ip" },
                { "inlogincmd", "0" }, { "inuserid", "pcadm" }, { "timeticks", kTimeStampToken },
                { "strMD5Client", kHashToken } },
            kPhone, password });
    const std::string stamp = parameterOf(request, "timeticks");
    char asTyped[33];
    char asSent[33];
    CUtility().EncodeMd5(asTyped, "%s%s%s%s", kPhone, password, stamp.c_str(), CUtility::kHashSalt);
    CUtility().EncodeMd5(asSent, "%s%s%s%s", kPhone, "p&amp;&lt;w", stamp.c_str(), CUtility::kHashSalt);
    EXPECT_EQ(parameterOf(request, "strMD5Client"), asTyped);
    EXPECT_NE(parameterOf(request, "strMD5Client"), asSent);
}

TEST(Escaping, ControlCharactersThatXmlCannotCarryAreDropped)
{
    FakeSoapServer server;
    server.setReply(CannedReply::ok(soapResult(kNs, "ClientAddressGroup", "0")));
    std::string text;
    CCvService(configFor(server))
        .ClientAddressGroup(kPhone, kPassword, 1,
            "A\x01"
            "B\x0B\x1F"
            "C\tD\n",
            1, text);
    EXPECT_NE(server.lastRequest().body.find("<ingroupname>ABC\tD\n</ingroupname>"), std::string::npos)
        << server.lastRequest().body;
}

TEST(Escaping, FiltersAreInsertedAsTheCallerWroteThem)
{
    FakeSoapServer server;
    server.setReply(CannedReply::ok(soapEnvelope("")));
    std::string text;
    int rows = 0;
    const char* where = "meettime &gt;= '2026-01-01' and charge &lt; 5";
    CCvService(configFor(server)).getUserconference(kPhone, kPassword, where, text, rows);
    EXPECT_NE(server.lastRequest().body.find(std::string("<where>") + where + "</where>"), std::string::npos);
    CCvService(configFor(server)).GetUserPhoneCharge(kPhone, kPassword, where, text, rows);
    EXPECT_NE(server.lastRequest().body.find(std::string("<where>") + where + "</where>"), std::string::npos);
    CCvService(configFor(server)).GetMeetingRecordFile(kPhone, kPassword, where, text, rows);
    EXPECT_NE(server.lastRequest().body.find(std::string("<searchCondition>") + where + "</searchCondition>"),
        std::string::npos);
}

TEST(CodePage, Cp936TextsAreConvertedOnlyWhereMarked)
{
    const CodePageGuard guard("CP936");
    FakeSoapServer server;
    server.setReply(CannedReply::ok(soapResult(kNs, "ClientPrivateInfo", "0")));
    std::string text;
    CCvService(configFor(server))
        .ClientPrivateInfo(kPhone, kPassword, "id", 0, 0, "cid", "e@x", kZhangSanGbk, kZhangSanGbk, kZhangSanGbk,
            kZhangSanGbk, "100000", "010", "sig", kZhangSanGbk, 0, kZhangSanGbk, text);
    const auto request = server.lastRequest();
    for (const char* converted : { "instreet", "incity", "instate", "incountry", "incomment" })
        EXPECT_EQ(parameterOf(request, converted), "张三") << converted;
    // contactname travels unconverted, as the service has always received it.
    EXPECT_NE(request.body.find(std::string("<contactname>") + kZhangSanGbk + "</contactname>"), std::string::npos);
}

TEST(CodePage, Cp936RepliesAndSignature)
{
    const CodePageGuard guard("CP936");
    FakeSoapServer server;
    server.setReply(CannedReply::ok(dataSetReply(
        kNs, "GetClientAddressGroup", "ds", { { { "addressgroupid", "3" }, { "addressgroupname", "家人" } } })));
    std::string text;
    int rows = 0;
    // The hash covers the password's code-page bytes, not its UTF-8 form.
    const std::string password = std::string("pw") + kZhangSanGbk;
    EXPECT_EQ(CCvService(configFor(server)).GetClientAddressGroup(kPhone, password.c_str(), text, rows), 0);
    EXPECT_EQ(text, "3\r\xBC\xD2\xC8\xCB\r");
    const auto request = server.lastRequest();
    EXPECT_EQ(
        parameterOf(request, "strMD5Client"), md5Hex(kPhone + password + parameterOf(request, "timeticks") + "QWZRT"));

    server.setReply(CannedReply::ok(soapResult(kNs, "GetSysMsgInfo", "余额不足")));
    EXPECT_EQ(CCvService(configFor(server)).GetSysMsgInfo(7, text), 0);
    EXPECT_EQ(text, "\xD3\xE0\xB6\xEE\xB2\xBB\xD7\xE3");
}

TEST(Limits, ConvertedTextsAreCutOnACharacterBoundary)
{
    FakeSoapServer server;
    server.setReply(CannedReply::ok(soapEnvelope("")));
    std::string text;
    const std::string topic = repeated("会", 400); // 1,200 bytes
    CCvService(configFor(server))
        .createConference(kPhone, kPassword, topic.c_str(), "010", "1", "张三", "t", "ip", 0, 0, 0, 0, 0, text);
    std::string sent = parameterOf(server.lastRequest(), "inmeettitle");
    EXPECT_EQ(sent.size(), 1023u);
    EXPECT_TRUE(isValidUtf8(sent));
    EXPECT_EQ(topic.rfind(sent, 0), 0u);
    EXPECT_EQ(parameterOf(server.lastRequest(), "inphoneaddress"), "张三");

    const std::string message = "a" + repeated("短", 400);
    CCvService(configFor(server)).clientsendmessage(kPhone, kPassword, "1", message.c_str(), "t", text);
    sent = parameterOf(server.lastRequest(), "inshortmessage");
    EXPECT_EQ(sent.size(), 1024u);
    EXPECT_TRUE(isValidUtf8(sent));

    const std::string name = repeated("名", 200);
    CCvService(configFor(server)).ClientAddressNew(kPhone, kPassword, 1, 0, name.c_str(), "1", "e", 1, text);
    sent = parameterOf(server.lastRequest(), "addressName");
    EXPECT_EQ(sent.size(), 510u);
    EXPECT_TRUE(isValidUtf8(sent));

    // Participant names: 202,400 bytes when a conference is created, 102,400 when a booking changes.
    const std::string names = repeated("张", 70000);
    CCvService(configFor(server))
        .createConference(kPhone, kPassword, "t", "010", "1", names.c_str(), "t", "ip", 0, 0, 0, 0, 0, text);
    EXPECT_EQ(parameterOf(server.lastRequest(), "inphoneaddress").size(), 202398u);
    CCvService(configFor(server))
        .ModifyBookConference(kPhone, kPassword, "1", "t", "010", "1", names.c_str(), "t", "ip", 0, 0, 0, 0, 1, text);
    EXPECT_EQ(parameterOf(server.lastRequest(), "inphoneaddress").size(), 102399u);
    CCvService(configFor(server)).ClientConfGroup(kPhone, kPassword, 1, names.c_str(), 1, text);
    EXPECT_EQ(parameterOf(server.lastRequest(), "ingroupname").size(), 510u);

    // Unconverted texts have no limit of their own: a body of 400,000 bytes goes out whole.
    const std::string phones = repeated("13800000000,", 33000);
    CCvService(configFor(server))
        .createConference(kPhone, kPassword, "t", "010", phones.c_str(), "n", "t", "ip", 0, 0, 0, 0, 0, text);
    EXPECT_EQ(parameterOf(server.lastRequest(), "inmeetphone"), phones);

    // A text within its limit is sent whole, its escapes not counted against it.
    const std::string exact = repeated("&", 1024);
    CCvService(configFor(server)).clientsendmessage(kPhone, kPassword, "1", exact.c_str(), "t", text);
    EXPECT_EQ(parameterOf(server.lastRequest(), "inshortmessage"), exact);
}

TEST(Statuses, AtoiSemantics)
{
    FakeSoapServer server;
    server.setReply(CannedReply::ok(soapResult(kNs, "SetMessagesender", " 12 codes")));
    EXPECT_EQ(CCvService(configFor(server)).SetMessagesender(kPhone, kPassword, "s"), 12);
    server.setReply(CannedReply::ok(soapResult(kNs, "SetMessagesender", "-3")));
    EXPECT_EQ(CCvService(configFor(server)).SetMessagesender(kPhone, kPassword, "s"), -3);
}

TEST(Statuses, BalanceBuffersStayAsTheCallerLeftThemOnAServiceCode)
{
    FakeSoapServer server;
    server.setReply(CannedReply::ok(soapResponse(kNs, "GetClientBalance",
        { { "GetClientBalanceResult", "1003" }, { "outbalance", "99" }, { "outexptime", "2030-01-01" } })));
    std::string balance = "keep", expiry = "these";
    EXPECT_EQ(CCvService(configFor(server)).GetClientBalance(kPhone, kPassword, balance, expiry), 1003);
    EXPECT_EQ(balance, "keep");
    EXPECT_EQ(expiry, "these");
}

TEST(Concurrency, ParallelCallsShareNothing)
{
    FakeSoapServer server;
    server.setHandler([](const corvana::test::RecordedRequest& request) {
        // Echo the caller's phone number so that each thread can check it got its own answer.
        return CannedReply::ok(
            soapResponse(kNs, "GetClientNoteNo", { { "noteNo", parameterOf(request, "inregphoneid") } }));
    });
    std::vector<std::future<bool>> calls;
    for (int t = 0; t < 4; ++t)
        calls.push_back(std::async(std::launch::async, [&server, t] {
            bool allRight = true;
            for (int i = 0; i < 5; ++i) {
                const std::string phone = "1380000" + std::to_string(t * 10 + i);
                std::string text;
                CCvService(configFor(server)).GetClientNoteNo(phone.c_str(), kPassword, text);
                allRight = allRight && text == phone + "\r";
            }
            return allRight;
        }));
    for (auto& call : calls)
        EXPECT_TRUE(call.get());
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 20u);
    for (const auto& request : requests)
        EXPECT_EQ(parameterOf(request, "strMD5Client"),
            md5Hex(parameterOf(request, "inregphoneid") + kPassword + parameterOf(request, "timeticks") + "QWZRT"));
}
