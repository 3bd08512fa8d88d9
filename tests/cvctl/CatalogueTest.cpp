#include "FakeSoapServer.h"
#include "SoapReplies.h"

#include "OperationCatalogue.h"

#include "cvsrv/CCvService.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using corvana::test::FakeSoapServer;
using cvctl::ArgumentKind;
using cvctl::OperationCatalogue;
using cvctl::OperationEntry;

namespace {

// Every operation of the service with its inputs ("t" text, "#" int) and printed outputs.
struct Expected {
    const char* inputs;
    std::vector<std::string> outputs;
};

const std::map<std::string, Expected>& expectedOperations()
{
    static const std::vector<std::string> text { "" };
    static const std::vector<std::string> rows { "", "rows" };
    static const std::map<std::string, Expected> expected {
        { "UserClientLogin", { "ttt", {} } },
        { "ModifytPasswordByPhoneID", { "ttt", {} } },
        { "GetMemberInfo", { "tt", text } },
        { "ClientPrivateInfo", { "ttt##tttttttttt#t", text } },
        { "GetClientBalance", { "tt", { "balance", "expiry" } } },
        { "SetMeetCall", { "ttt", {} } },
        { "SetMessagesender", { "ttt", {} } },
        { "TransferAccount", { "ttt###t", {} } },
        { "GetSysMsgInfo", { "#", text } },
        { "CheckOrUpdatePCClientVersion", { "tt", text } },
        { "GetClientRoomInfo", { "tt", text } },
        { "ModifyClientRoomInfo", { "tt", { "result" } } },
        { "GetClientNoteNo", { "tt", text } },
        { "createConference", { "tttttttt#####", text } },
        { "ModifyBookConference", { "ttttttttt#####", text } },
        { "ConferenceControl", { "ttt#t", text } },
        { "GetMeetingStatus", { "ttt", text } },
        { "GetMeetingMemberStatus", { "ttt", text } },
        { "Getcurrentconferencelist", { "tt", rows } },
        { "GetSubscribeCurrentConference", { "tt", rows } },
        { "GetPastConference", { "tt", rows } },
        { "getUserconference", { "ttt", rows } },
        { "GetMeetingRecordFile", { "ttt", rows } },
        { "ClientAddressNew", { "tt##ttt#", text } },
        { "QueryClientAddress", { "tt", rows } },
        { "ClientAddressGroup", { "tt#t#", text } },
        { "GetClientAddressGroup", { "tt", rows } },
        { "QueryClientAddressGroupMember", { "ttt", rows } },
        { "ClientAddressGroupMemberNew", { "tt###", text } },
        { "QueryNotAddressGroupMember", { "tt", rows } },
        { "ClientConfGroup", { "tt#t#", text } },
        { "GetConfGroup", { "tt", rows } },
        { "QueryClientConfGroupMember", { "ttt", rows } },
        { "QueryNotConfGroupMember", { "tt", rows } },
        { "ClientConfGroupMemberNew", { "tt###", text } },
        { "clientsendmessage", { "ttttt", text } },
        { "GetUserPhoneCharge", { "ttt", rows } },
    };
    return expected;
}

std::string kinds(const OperationEntry& entry)
{
    std::string text;
    for (const auto& parameter : entry.parameters)
        text += parameter.kind == ArgumentKind::Int ? '#' : 't';
    return text;
}

// The text of the first element named tag in a request body.
std::string element(const std::string& body, const std::string& tag)
{
    const std::string open = "<" + tag + ">";
    const std::size_t start = body.find(open);
    if (start == std::string::npos)
        return "(missing)";
    const std::size_t from = start + open.size();
    return body.substr(from, body.find("</" + tag + ">", from) - from);
}

} // namespace

TEST(OperationCatalogue, CoversEveryOperationWithItsArgumentsAndOutputs)
{
    std::set<std::string> seen;
    for (const OperationEntry& entry : OperationCatalogue::all()) {
        SCOPED_TRACE(entry.name);
        EXPECT_TRUE(seen.insert(entry.name).second) << "listed twice";
        const auto expected = expectedOperations().find(entry.name);
        ASSERT_NE(expected, expectedOperations().end()) << "not a service operation";
        EXPECT_EQ(kinds(entry), expected->second.inputs);
        EXPECT_EQ(entry.outputs, expected->second.outputs);
        std::set<std::string> names;
        for (const auto& parameter : entry.parameters)
            EXPECT_TRUE(names.insert(parameter.name).second) << "parameter " << parameter.name << " twice";
    }
    EXPECT_EQ(seen.size(), expectedOperations().size());
}

// Each argument must reach the request element its parameter name stands for: a
// mislabelled name would send the user's topic as the host number.
TEST(OperationCatalogue, PassesEachArgumentAsTheParameterItNames)
{
    FakeSoapServer server;
    cvsrv::ServiceConfig config = cvsrv::ServiceConfig::fromEnvironment();
    config.webHost = FakeSoapServer::host();
    config.webPort = server.port();

    struct Case {
        const char* operation;
        std::map<std::string, std::string> elementOfParameter;
    };
    const Case cases[] = {
        { "createConference",
            { { "topic", "inmeettitle" }, { "meetcall", "inmeetcall" }, { "phones", "inmeetphone" },
                { "names", "inphoneaddress" }, { "meettime", "inmeettime" }, { "ipaddress", "ipaddress" },
                { "smsflag", "inmeetsmsflag" }, { "recflag", "inmeetrecflag" }, { "autocall", "inautocall" },
                { "shutup", "inshutup" }, { "meettype", "inmeettype" }, { "regphoneid", "inregphoneid" } } },
        { "ClientPrivateInfo",
            { { "idcard", "inidcard" }, { "idtype", "inidtype" }, { "sex", "insex" }, { "contactid", "incontactid" },
                { "email", "inemail" }, { "street", "instreet" }, { "city", "incity" }, { "state", "instate" },
                { "country", "incountry" }, { "postcode", "postcode" }, { "meetcall", "inmeetcall" },
                { "messagesender", "inmessagesender" }, { "comment", "incomment" }, { "oprflag", "inoprflag" },
                { "contactname", "contactname" } } },
        { "TransferAccount",
            { { "regphoneid", "inoutregphoneid" }, { "password", "inoutclientpassword" },
                { "toregphoneid", "intoregphoneid" }, { "recharge", "inrecharge" }, { "rechargeadd", "inrechargeadd" },
                { "processstate", "inprocessstate" }, { "remark", "inremark" } } },
        { "ClientAddressNew",
            { { "addressno", "addressNo" }, { "sex", "sex" }, { "name", "addressName" }, { "phone", "phone" },
                { "email", "email" }, { "oprflag", "oprFlag" } } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.operation);
        const OperationEntry* entry = OperationCatalogue::find(c.operation);
        ASSERT_NE(entry, nullptr);
        // Distinct values: ints count up from 101, texts are "v" and the position.
        std::vector<std::string> args;
        for (std::size_t i = 0; i < entry->parameters.size(); ++i)
            args.push_back(
                entry->parameters[i].kind == ArgumentKind::Int ? std::to_string(101 + i) : "v" + std::to_string(i));
        server.clearRequests();
        CCvService service(config);
        entry->invoke(service, args);
        ASSERT_EQ(server.requestCount(), 1u);
        const std::string body = server.lastRequest().body;
        std::size_t checked = 0;
        for (std::size_t i = 0; i < entry->parameters.size(); ++i) {
            const auto mapped = c.elementOfParameter.find(entry->parameters[i].name);
            if (mapped == c.elementOfParameter.end())
                continue;
            EXPECT_EQ(element(body, mapped->second), args[i]) << entry->parameters[i].name;
            ++checked;
        }
        EXPECT_EQ(checked, c.elementOfParameter.size()) << "a parameter name of the table is not in the catalogue";
    }
}
