#include "ServiceHarness.h"

#include "SignatureCheck.h"
#include "SoapReply.h"
#include "StatusCodes.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <functional>
#include <thread>

namespace cvservice::test {
namespace {

class RobustnessTest : public ::testing::Test {
protected:
    void expectFault(const RawReply& reply, const char* what)
    {
        EXPECT_EQ(reply.status, 500) << what;
        EXPECT_NE(reply.body.find("<soap:Fault>"), std::string::npos) << what << ": " << reply.body;
        EXPECT_TRUE(reply.hasContentLength) << what;
    }

    std::string signedBalanceParameters() const
    {
        char stamp[32] = {};
        CUtility().GetTimeStamp(stamp);
        return "<inregphoneid>13800138000</inregphoneid><inuserid>pcadm</inuserid><timeticks>" + std::string(stamp)
            + "</timeticks><strMD5Client>" + SignatureCheck::expectedHash(kUser, kPassword, stamp) + "</strMD5Client>";
    }

    // Tries every operation with a wrong password: more failures than the throttle
    // lets through.
    static ServiceOptions unthrottled()
    {
        ServiceOptions options = ServiceHarness::defaults();
        options.freeFailures = 1000;
        return options;
    }

    ServiceHarness harness { unthrottled() };
};

TEST_F(RobustnessTest, MalformedRequestsGetFaults)
{
    const std::string action = harness.action("GetSysMsgInfo");
    expectFault(harness.post("", action), "empty body");
    expectFault(harness.post("<not xml", action), "bad XML");
    expectFault(harness.post("<?xml version=\"1.0\"?><a/>", action), "not an envelope");
    expectFault(harness.post(harness.envelope("GetSysMsgInfo", "<msgno>1</msgno>").replace(0, 0, "garbage"), action),
        "text before the document");
    expectFault(harness.post(harness.envelope("GetSysMsgInfo", "<msgno>1</msgno>") + "trailing", action),
        "text after the document");
    expectFault(
        harness.post(harness.envelope("NoSuchOperation", ""), harness.action("NoSuchOperation")), "unknown operation");
    expectFault(harness.post(harness.envelope("GetSysMsgInfo", "<msgno>1</msgno>"), harness.action("GetMemberInfo")),
        "SOAPAction of another operation");
    expectFault(harness.post(harness.envelope("GetSysMsgInfo", "<msgno>1</msgno>"), ""), "no SOAPAction");
    expectFault(harness.post(harness.envelope("GetSysMsgInfo", ""), action), "missing parameter");
    expectFault(harness.post(harness.envelope("GetSysMsgInfo", "<msgno>12abc</msgno>"), action), "not an integer");
    expectFault(
        harness.post(harness.envelope("GetSysMsgInfo", "<msgno>99999999999</msgno>"), action), "integer out of range");
    expectFault(harness.post(harness.envelope("GetSysMsgInfo", "<msgno><b>1</b></msgno>"), action),
        "element inside a parameter");

    std::string wrongNamespace = harness.envelope("GetSysMsgInfo", "<msgno>1</msgno>");
    wrongNamespace.replace(wrongNamespace.find(harness.service().namespaceUri()),
        harness.service().namespaceUri().size(), "http://elsewhere.example/");
    expectFault(harness.post(wrongNamespace, action), "another namespace");

    const std::string invalidUtf8
        = harness.envelope("GetClientBalance", signedBalanceParameters().replace(0, 0, "<extra>\xff\xfe</extra>"));
    expectFault(harness.post(invalidUtf8, harness.action("GetClientBalance")), "invalid UTF-8");

    // An entity bomb is not expanded: pugixml has no DTD entity support.
    const std::string bomb = "<?xml version=\"1.0\"?><!DOCTYPE a [<!ENTITY x \"xxxxxxxxxx\"><!ENTITY y "
                             "\"&x;&x;&x;&x;&x;&x;&x;&x;&x;&x;\">]><a>&y;</a>";
    expectFault(harness.post(bomb, action), "entity declarations");

    const RawReply json = harness.postForm("/MeetingWebSevc.asmx", "{}", "application/json");
    EXPECT_EQ(json.status, 415);
    EXPECT_NE(json.body.find("<soap:Fault>"), std::string::npos);

    const RawReply fine = harness.post(harness.envelope("GetSysMsgInfo", "<msgno> 202 </msgno>"), action);
    EXPECT_EQ(fine.status, 200);
    EXPECT_NE(fine.body.find("预约会议的时间不能小于当前时间！"), std::string::npos) << "and the service still answers";
}

// Found by fuzzing: a SOAPAction holding control characters or ill-formed UTF-8 was
// quoted into a fault that no XML reader could read.
TEST(SoapFaultTest, QuotedBytesKeepTheFaultWellFormed)
{
    const std::string fault = SoapReply::fault("soap:Client", std::string("action \x01\x00\xff\xfe<\x1b>", 14));
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(fault.c_str())) << fault;
    const std::string text = document.select_node("//faultstring").node().text().get();
    EXPECT_EQ(text, "action   \xEF\xBF\xBD\xEF\xBF\xBD< >");
}

TEST_F(RobustnessTest, EverySignedOperationRefusesAWrongPassword)
{
    const char* bad = "not-the-password";
    CCvService c = harness.client();
    std::string text;
    std::string other;
    int rows = 0;
    int out = 0;
    using Call = std::function<int()>;
    // Text-returning operations answer with no rows or with the status as first field.
    const std::vector<std::pair<const char*, Call>> reads {
        { "GetMemberInfo", [&] { return c.GetMemberInfo(kUser, bad, text); } },
        { "GetClientRoomInfo", [&] { return c.GetClientRoomInfo(kUser, bad, text); } },
        { "GetClientNoteNo", [&] { return c.GetClientNoteNo(kUser, bad, text); } },
        { "GetMeetingStatus", [&] { return c.GetMeetingStatus(kUser, bad, "1", text); } },
        { "GetMeetingMemberStatus", [&] { return c.GetMeetingMemberStatus(kUser, bad, "1", text); } },
        { "Getcurrentconferencelist", [&] { return c.Getcurrentconferencelist(kUser, bad, text, rows); } },
        { "GetSubscribeCurrentConference", [&] { return c.GetSubscribeCurrentConference(kUser, bad, text, rows); } },
        { "GetPastConference", [&] { return c.GetPastConference(kUser, bad, text, rows); } },
        { "getUserconference", [&] { return c.getUserconference(kUser, bad, "", text, rows); } },
        { "GetMeetingRecordFile", [&] { return c.GetMeetingRecordFile(kUser, bad, "", text, rows); } },
        { "QueryClientAddress", [&] { return c.QueryClientAddress(kUser, bad, text, rows); } },
        { "GetClientAddressGroup", [&] { return c.GetClientAddressGroup(kUser, bad, text, rows); } },
        { "QueryClientAddressGroupMember",
            [&] { return c.QueryClientAddressGroupMember(kUser, bad, "1", text, rows); } },
        { "QueryNotAddressGroupMember", [&] { return c.QueryNotAddressGroupMember(kUser, bad, text, rows); } },
        { "GetConfGroup", [&] { return c.GetConfGroup(kUser, bad, text, rows); } },
        { "QueryClientConfGroupMember", [&] { return c.QueryClientConfGroupMember(kUser, bad, "1", text, rows); } },
        { "QueryNotConfGroupMember", [&] { return c.QueryNotConfGroupMember(kUser, bad, text, rows); } },
        { "GetUserPhoneCharge", [&] { return c.GetUserPhoneCharge(kUser, bad, "", text, rows); } },
    };
    for (const auto& [name, call] : reads) {
        rows = -1;
        EXPECT_EQ(call(), 0) << name;
        // GetClientNoteNo reads only its out element, which a refusal leaves empty.
        EXPECT_TRUE(text.empty() || text == "\r" || text == std::to_string(kWrongPassword) + "\r")
            << name << ": " << text;
        EXPECT_NE(rows, 40) << name;
    }
    const std::vector<std::pair<const char*, Call>> changes {
        { "ClientPrivateInfo",
            [&] {
                c.ClientPrivateInfo(kUser, bad, "", 1, 1, "", "", "", "", "", "", "", "", "", "", 1, "", text);
                return std::atoi(text.c_str());
            } },
        { "createConference",
            [&] {
                c.createConference(kUser, bad, "", kUser, "13911110001", "", "", "", 0, 0, 0, 0, 0, text);
                return std::atoi(text.c_str());
            } },
        { "ModifyBookConference",
            [&] {
                c.ModifyBookConference(kUser, bad, "1", "", kUser, "139", "", "", "", 0, 0, 0, 0, 2, text);
                return std::atoi(text.c_str());
            } },
        { "ConferenceControl",
            [&] {
                c.ConferenceControl(kUser, bad, "1", 9, "", text);
                return std::atoi(text.c_str());
            } },
        { "ClientAddressNew",
            [&] {
                c.ClientAddressNew(kUser, bad, 0, 1, "甲", "13600000001", "", 0, text);
                return std::atoi(text.c_str());
            } },
        { "ClientAddressGroup",
            [&] {
                c.ClientAddressGroup(kUser, bad, 0, "组", 0, text);
                return std::atoi(text.c_str());
            } },
        { "ClientAddressGroupMemberNew",
            [&] {
                c.ClientAddressGroupMemberNew(kUser, bad, 1, 1, 0, text);
                return std::atoi(text.c_str());
            } },
        { "ClientConfGroup",
            [&] {
                c.ClientConfGroup(kUser, bad, 0, "组", 0, text);
                return std::atoi(text.c_str());
            } },
        { "ClientConfGroupMemberNew",
            [&] {
                c.ClientConfGroupMemberNew(kUser, bad, 1, 1, 0, text);
                return std::atoi(text.c_str());
            } },
        { "clientsendmessage",
            [&] {
                c.clientsendmessage(kUser, bad, "13911110001", "你好", timeFromNow(0).c_str(), text);
                return std::atoi(text.c_str());
            } },
        { "SetMeetCall", [&] { return c.SetMeetCall(kUser, bad, "13800138000"); } },
        { "SetMessagesender", [&] { return c.SetMessagesender(kUser, bad, "签名"); } },
        { "ModifyClientRoomInfo",
            [&] {
                c.ModifyClientRoomInfo(kUser, bad, out);
                std::string room;
                c.GetClientRoomInfo(kUser, kPassword, room);
                return room == "246810\r135790\r" ? int(kWrongPassword) : 0;
            } },
        { "GetClientBalance", [&] { return c.GetClientBalance(kUser, bad, text, other); } },
    };
    for (const auto& [name, call] : changes)
        EXPECT_EQ(call(), kWrongPassword) << name;

    // Nothing was changed by any of them.
    int contacts = 0;
    ASSERT_EQ(c.QueryClientAddress(kUser, kPassword, text, contacts), 0);
    EXPECT_EQ(contacts, 40);
    ASSERT_EQ(c.Getcurrentconferencelist(kUser, kPassword, text, rows), 0);
    EXPECT_EQ(rows, 0);
}

TEST_F(RobustnessTest, VersionCheckKnowsOnlyThePcClient)
{
    char stamp[32] = {};
    CUtility().GetTimeStamp(stamp);
    const RawReply reply = harness.post(harness.envelope("CheckOrUpdatePCClientVersion",
                                            std::string("<insofttype>161</insofttype><insoftversion>1"
                                                        "</insoftversion><inuserid>13800138000</"
                                                        "inuserid><timeticks>")
                                                + stamp + "</timeticks>"),
        harness.action("CheckOrUpdatePCClientVersion"));
    EXPECT_NE(reply.body.find("<CheckOrUpdatePCClientVersionResult>115</CheckOrUpdatePCClientVersionResult>"),
        std::string::npos)
        << reply.body;
}

TEST_F(RobustnessTest, OversizedBodiesAreRefusedUnread)
{
    const std::string huge(5 * 1024 * 1024, 'x');
    const RawReply reply = harness.post(huge, harness.action("GetSysMsgInfo"));
    EXPECT_EQ(reply.status, 413);
    std::string text;
    EXPECT_EQ(harness.client().GetSysMsgInfo(kOk, text), 0);
}

TEST_F(RobustnessTest, ControlCharactersNeverReachTheResultText)
{
    std::string result;
    ASSERT_EQ(harness.client().ClientAddressNew(
                  kOtherUser, kOtherPassword, 0, 1, "两行\r\n名字", "13600000001", "", 0, result),
        0);
    ASSERT_EQ(result, "0\r");
    std::string text;
    int rows = 0;
    ASSERT_EQ(harness.client().QueryClientAddress(kOtherUser, kOtherPassword, text, rows), 0);
    ASSERT_EQ(rows, 1);
    const auto fields = rowsOf(text);
    ASSERT_EQ(fields.size(), 1u);
    ASSERT_EQ(fields[0].size(), 8u);
    EXPECT_EQ(fields[0][2], "两行  名字") << "CR and LF arrive as sent and each becomes a space";
}

TEST_F(RobustnessTest, ServesManyClientsAtOnce)
{
    constexpr int kClients = 60;
    std::vector<std::thread> clients;
    std::vector<int> statuses(kClients, -100);
    std::vector<std::string> infos(kClients);
    for (int i = 0; i < kClients; ++i) {
        clients.emplace_back([&, i] {
            const auto at = static_cast<std::size_t>(i);
            statuses[at] = harness.client().GetMemberInfo(kUser, kPassword, infos[at]);
        });
    }
    for (std::thread& t : clients)
        t.join();
    for (int i = 0; i < kClients; ++i) {
        EXPECT_EQ(statuses[static_cast<std::size_t>(i)], 0);
        EXPECT_EQ(rowsOf(infos[static_cast<std::size_t>(i)]).size(), 1u) << infos[static_cast<std::size_t>(i)];
    }
}

TEST_F(RobustnessTest, WebPagesAreThere)
{
    for (const char* path : { "/", "/nav/manual.aspx", "/nav/register.aspx", "/nav/forgotpwd.aspx" }) {
        const RawReply page = harness.get(path);
        EXPECT_EQ(page.status, 200) << path;
        EXPECT_NE(page.body.find("<!DOCTYPE html>"), std::string::npos) << path;
        EXPECT_NE(page.body.find("Corvana电话会议"), std::string::npos) << path;
    }
    EXPECT_NE(harness.get("/nav/manual.aspx").body.find("预约会议"), std::string::npos);
    EXPECT_EQ(harness.get("/nav/nothing.aspx").status, 404);
}

TEST_F(RobustnessTest, RegistrationCreatesAnAccountOnce)
{
    const std::string form = "application/x-www-form-urlencoded";
    const RawReply made
        = harness.postForm("/nav/register.aspx", "regphoneid=13712345678&password=pw1234&confirm=pw1234", form);
    ASSERT_EQ(made.status, 200);
    EXPECT_NE(made.body.find("注册成功"), std::string::npos);
    EXPECT_EQ(harness.client().UserClientLogin("13712345678", "pw1234", "1.1.1.1"), kOk);

    EXPECT_EQ(harness.postForm("/nav/register.aspx", "regphoneid=13712345678&password=x&confirm=x", form).status, 400);
    EXPECT_EQ(harness.postForm("/nav/register.aspx", "regphoneid=12345&password=x&confirm=x", form).status, 400);
    EXPECT_EQ(harness.postForm("/nav/register.aspx", "regphoneid=13712345679&password=a&confirm=b", form).status, 400);
    const RawReply escaped
        = harness.postForm("/nav/register.aspx", "regphoneid=%3Cscript%3E&password=a&confirm=a", form);
    EXPECT_EQ(escaped.body.find("<script>"), std::string::npos);
    EXPECT_EQ(harness.client().UserClientLogin("13712345678", "pw1234", "1.1.1.1"), kOk) << "the first password holds";
}

} // namespace
} // namespace cvservice::test
