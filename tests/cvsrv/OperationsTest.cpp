// Every operation of CCvService against the fake service: what goes on the wire,
// how a realistic reply is decoded, what a reply without the expected elements gives
// and what a failed exchange gives.
#include "cvsrv/CCvService.h"

#include "FakeSoapServer.h"
#include "RequestChecks.h"
#include "SoapReplies.h"
#include "TestService.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>

using corvana::test::CannedReply;
using corvana::test::configFor;
using corvana::test::dataSetReply;
using corvana::test::FakeSoapServer;
using corvana::test::Field;
using corvana::test::Row;
using corvana::test::soapEnvelope;
using corvana::test::soapResponse;
using corvana::test::soapResult;

namespace {

constexpr const char* kNs = corvana::test::kTestNamespace;
constexpr const char* kPhone = "13912345678";
constexpr const char* kPassword = "pw#1";
constexpr const char* kTs = kTimeStampToken;
constexpr const char* kHash = kHashToken;
// What out-parameters hold before the call: an operation that has them must empty or
// fill them; one without them leaves these values.
constexpr int kUntouched = 77;
constexpr const char* kNoText = "no text out-parameter";
constexpr const char* kSendFailed = "发送数据失败!";
// Appended to every text a caller passes: what XML must escape, a CR (which an XML
// parser reads back as LF unless it travels as a character reference) and Chinese.
constexpr const char* kAwkward = "&<>\"'\r中文";

// The text a caller passes for a parameter whose plain value is given; one table of
// cases serves both the plain and the awkward texts.
struct CallerText {
    bool awkward = false;
    std::string operator()(const std::string& plain) const { return awkward ? plain + kAwkward : plain; }
};

struct Outcome {
    int status = 0;
    std::string text = kNoText;
    int rows = kUntouched;
};

// Failure messages name the operation instead of dumping the case's bytes.
void PrintTo(const struct OperationCase& operation, std::ostream* out);

using Invoke = std::function<int(CCvService&, std::string& text, int& rows)>;

struct OperationCase {
    ExpectedRequest request;
    Invoke invoke;
    std::string reply;
    Outcome decoded; // from reply
    Outcome empty; // from an envelope without the expected elements
    Outcome failed; // when the exchange fails
};

void PrintTo(const OperationCase& operation, std::ostream* out)
{
    *out << operation.request.operation;
}

std::vector<std::string> namesOf(const std::string& csv)
{
    std::vector<std::string> names;
    std::stringstream stream(csv);
    for (std::string name; std::getline(stream, name, ',');)
        names.push_back(name);
    return names;
}

// Rows as the service sends them: columns in another order than requested, plus a
// column nobody asked for. Values carry the column name, the row and Chinese text.
std::vector<Row> serviceRows(const std::vector<std::string>& fields, int count)
{
    std::vector<Row> rows;
    for (int i = 0; i < count; ++i) {
        Row row { { "unrequested", "x" } };
        for (auto it = fields.rbegin(); it != fields.rend(); ++it)
            row.emplace_back(*it, *it + "值" + std::to_string(i));
        rows.push_back(row);
    }
    return rows;
}

// The result text the caller must get for serviceRows().
std::string resultText(const std::vector<std::string>& fields, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text += '\n';
        for (const std::string& field : fields)
            text += field + "值" + std::to_string(i) + "\r";
    }
    return text;
}

ExpectedRequest signedRequest(const CallerText& t, const std::string& operation, std::vector<Field> parameters)
{
    return { operation, std::move(parameters), t(kPhone), t(kPassword) };
}

// An operation whose reply is one status value.
OperationCase statusCase(ExpectedRequest request, Invoke invoke, int emptyStatus, int failedStatus)
{
    const std::string op = request.operation;
    return { std::move(request), std::move(invoke), soapResult(kNs, op, "17"), { 17, kNoText, kUntouched },
        { emptyStatus, kNoText, kUntouched }, { failedStatus, kNoText, kUntouched } };
}

// A list operation decoding rows of rowTag; withRows when it hands back the row count.
OperationCase listCase(ExpectedRequest request, Invoke invoke, const std::string& rowTag, const std::string& fields,
    bool withRows, int failedStatus = -1)
{
    const std::vector<std::string> names = namesOf(fields);
    const std::string op = request.operation;
    return { std::move(request), std::move(invoke), dataSetReply(kNs, op, rowTag, serviceRows(names, 2)),
        { 0, resultText(names, 2), withRows ? 2 : kUntouched }, { 0, "", withRows ? 0 : kUntouched },
        { failedStatus, "", kUntouched } };
}

// A change operation whose result text is its response element's children.
OperationCase wrappedCase(
    ExpectedRequest request, Invoke invoke, const std::vector<Field>& outValues, int failedStatus = -1)
{
    std::vector<Field> reversed(outValues.rbegin(), outValues.rend());
    std::string text;
    for (const auto& field : outValues)
        text += field.second + '\r';
    const std::string op = request.operation;
    return { std::move(request), std::move(invoke), soapResponse(kNs, op, reversed), { 0, text, kUntouched },
        { 0, "", kUntouched }, { failedStatus, "", kUntouched } };
}

OperationCase wrappedCase(ExpectedRequest request, Invoke invoke, const std::string& resultValue, int failedStatus = -1)
{
    const std::string op = request.operation;
    return wrappedCase(std::move(request), std::move(invoke), { { op + "Result", resultValue } }, failedStatus);
}

constexpr const char* kMemberInfoFields = "clientno,idcard,idtype,sex,contactname,contactid,email,street,city,state,"
                                          "country,postcode,meetcall,messagesender,comment,modifytime,userid,ipaddress";
constexpr const char* kCurrentFields = "conferenceid,meettitle,regphoneid,meettime,meetcall,meetphone,"
                                       "meetphoneaddress,meettype,meetautodialflag,meetsmsflag,meetshutupflag,"
                                       "meetrecflag,meetpwd";
constexpr const char* kBookedFields = "conferenceid,meettitle,meettime,meetcall,meetphone,meetphoneaddress,"
                                      "meetautodialflag,meetsmsflag,meetshutupflag,meetrecflag";
constexpr const char* kPastFields = "meettime,meettitle,meetcall,meetphone,meetphoneaddress,meetsmsflag,meetrecflag,"
                                    "meetshutupflag,meetautodialflag,members";
constexpr const char* kMemberFields = "addressno,addressname,phone";

std::vector<Field> lowerAccount(const CallerText& t, bool withUserId)
{
    std::vector<Field> parameters { { "inregphoneid", t(kPhone) } };
    if (withUserId)
        parameters.push_back({ "inuserid", "pcadm" });
    parameters.push_back({ "timeticks", kTs });
    parameters.push_back({ "strMD5Client", kHash });
    return parameters;
}

std::vector<Field> camelAccount(const CallerText& t)
{
    return { { "regphoneId", t(kPhone) }, { "userId", "pcadm" }, { "timeStamp", kTs }, { "hashCode", kHash } };
}

std::vector<OperationCase> sessionCases(const CallerText& t)
{
    std::vector<OperationCase> cases;
    cases.push_back(statusCase(
        signedRequest(t, "UserClientLogin",
            { { "inregphoneid", t(kPhone) }, { "inclientpassword", t(kPassword) }, { "inipaddress", t("192.168.1.20") },
                { "inlogincmd", "0" }, { "inuserid", "pcadm" }, { "timeticks", kTs }, { "strMD5Client", kHash } }),
        [t](CCvService& s, std::string&, int&) {
            return s.UserClientLogin(t(kPhone).c_str(), t(kPassword).c_str(), t("192.168.1.20").c_str());
        },
        9, 9));
    cases.push_back(statusCase(
        signedRequest(t, "ModifytPasswordByPhoneID",
            { { "inregphoneid", t(kPhone) }, { "inoldpassword", t(kPassword) }, { "innewpassword", t("new&pw") },
                { "inuserid", "pcadm" }, { "timeticks", kTs }, { "strMD5Client", kHash } }),
        [t](CCvService& s, std::string&, int&) {
            return s.ModifytPasswordByPhoneID(t(kPhone).c_str(), t(kPassword).c_str(), t("new&pw").c_str());
        },
        -1, 9));
    cases.push_back(listCase(
        signedRequest(t, "GetMemberInfo", lowerAccount(t, true)),
        [t](CCvService& s, std::string& text, int&) {
            return s.GetMemberInfo(t(kPhone).c_str(), t(kPassword).c_str(), text);
        },
        "ds", kMemberInfoFields, false, 9));
    cases.push_back(wrappedCase(
        signedRequest(t, "ClientPrivateInfo",
            { { "inregphoneid", t(kPhone) }, { "inidcard", t("110101199001011234") }, { "inidtype", "1" },
                { "insex", "2" }, { "incontactid", t("cid-9") }, { "inemail", t("a@b.cn") },
                { "instreet", t("长安街1号") }, { "incity", t("北京") }, { "instate", t("北京市") },
                { "incountry", t("中国") }, { "postcode", t("100000") }, { "inmeetcall", t("01088886666") },
                { "inmessagesender", t("签名") }, { "incomment", t("备注") }, { "inuserid", "pcadm" },
                { "inoprflag", "3" }, { "timeticks", kTs }, { "strMD5Client", kHash }, { "contactname", t("王五") } }),
        [t](CCvService& s, std::string& text, int&) {
            return s.ClientPrivateInfo(t(kPhone).c_str(), t(kPassword).c_str(), t("110101199001011234").c_str(), 1, 2,
                t("cid-9").c_str(), t("a@b.cn").c_str(), t("长安街1号").c_str(), t("北京").c_str(), t("北京市").c_str(),
                t("中国").c_str(), t("100000").c_str(), t("01088886666").c_str(), t("签名").c_str(), t("备注").c_str(),
                3, t("王五").c_str(), text);
        },
        "0", 9));

    OperationCase balance { signedRequest(t, "GetClientBalance", lowerAccount(t, true)),
        [t](CCvService& s, std::string& text, int&) {
            std::string amount = "b0", expiry = "e0";
            const int status = s.GetClientBalance(t(kPhone).c_str(), t(kPassword).c_str(), amount, expiry);
            text = amount + "|" + expiry;
            return status;
        },
        soapResponse(kNs, "GetClientBalance",
            { { "outexptime", "2027-06-30" }, { "GetClientBalanceResult", "0" }, { "outbalance", "12.50" } }),
        { 0, "12.50|2027-06-30", kUntouched }, { -1, "b0|e0", kUntouched }, { -1, "b0|e0", kUntouched } };
    cases.push_back(balance);

    cases.push_back(statusCase(
        signedRequest(t, "SetMeetCall",
            { { "inregphoneid", t(kPhone) }, { "inmeetcal", t("02166668888") }, { "inuserid", "pcadm" },
                { "timeticks", kTs }, { "strMD5Client", kHash } }),
        [t](CCvService& s, std::string&, int&) {
            return s.SetMeetCall(t(kPhone).c_str(), t(kPassword).c_str(), t("02166668888").c_str());
        },
        -1, 9));
    cases.push_back(statusCase(
        signedRequest(t, "SetMessagesender",
            { { "inregphoneid", t(kPhone) }, { "inmessagesender", t("张经理") }, { "inuserid", "pcadm" },
                { "timeticks", kTs }, { "strMD5Client", kHash } }),
        [t](CCvService& s, std::string&, int&) {
            return s.SetMessagesender(t(kPhone).c_str(), t(kPassword).c_str(), t("张经理").c_str());
        },
        -1, 9));
    cases.push_back(statusCase(
        { "TransferAccount",
            { { "inoutregphoneid", t("13700000001") }, { "inoutclientpassword", t("payer") },
                { "intoregphoneid", t("13600000002") }, { "inrecharge", "100" }, { "inrechargeadd", "20" },
                { "inprocessstate", "1" }, { "inremark", t("转账") }, { "inuserid", "pcadm" }, { "timeticks", kTs },
                { "strMD5Client", kHash } },
            t("13700000001"), t("payer") },
        [t](CCvService& s, std::string&, int&) {
            return s.TransferAccount(
                t("13700000001").c_str(), t("payer").c_str(), t("13600000002").c_str(), 100, 20, 1, t("转账").c_str());
        },
        -1, 9));

    cases.push_back({ { "GetSysMsgInfo", { { "msgno", "1005" } }, "", "" },
        [](CCvService& s, std::string& text, int&) { return s.GetSysMsgInfo(1005, text); },
        soapResult(kNs, "GetSysMsgInfo", "余额不足"), { 0, "余额不足", kUntouched }, { 0, "", kUntouched },
        { -1, kSendFailed, kUntouched } });
    cases.push_back({ { "CheckOrUpdatePCClientVersion",
                          { { "insofttype", "160" }, { "insoftversion", t("1.0.3") }, { "inuserid", t(kPhone) },
                              { "timeticks", kTs } },
                          "", "" },
        [t](CCvService& s, std::string& text, int&) {
            return s.CheckOrUpdatePCClientVersion(t("1.0.3").c_str(), t(kPhone).c_str(), text);
        },
        soapResponse(kNs, "CheckOrUpdatePCClientVersion",
            { { "outdownloadurl", "http://h/corvana;http://h/libcvsrv.so" }, { "outupgradeflag", "1" },
                { "outsoftversion", "2.1.0" }, { "CheckOrUpdatePCClientVersionResult", "0" } }),
        { 0, "0\r2.1.0\r1\rhttp://h/corvana;http://h/libcvsrv.so\r", kUntouched }, { 0, "", kUntouched },
        { -1, kSendFailed, kUntouched } });
    cases.push_back(listCase(
        signedRequest(t, "GetClientRoomInfo", lowerAccount(t, true)),
        [t](CCvService& s, std::string& text, int&) {
            return s.GetClientRoomInfo(t(kPhone).c_str(), t(kPassword).c_str(), text);
        },
        "ds", "chairpersonpwd,participantpwd", false));
    cases.push_back({ signedRequest(t, "ModifyClientRoomInfo",
                          { { "inregphoneid", t(kPhone) }, { "inroomtype", "0" }, { "inchairpersonpwd", "" },
                              { "inparticipantpwd", "" }, { "instarttime", "2010-01-01T00:00:00" },
                              { "inendtime", "2070-01-01T00:00:00" }, { "inoprflag", "0" }, { "inuserid", "pcadm" },
                              { "timeticks", kTs }, { "strMD5Client", kHash } }),
        [t](CCvService& s, std::string&, int& rows) {
            return s.ModifyClientRoomInfo(t(kPhone).c_str(), t(kPassword).c_str(), rows);
        },
        soapResult(kNs, "ModifyClientRoomInfo", "3"), { 0, kNoText, 3 }, { 0, kNoText, -1 }, { -1, kNoText, -1 } });
    cases.push_back(wrappedCase(
        signedRequest(t, "GetClientNoteNo", lowerAccount(t, true)),
        [t](CCvService& s, std::string& text, int&) {
            return s.GetClientNoteNo(t(kPhone).c_str(), t(kPassword).c_str(), text);
        },
        std::vector<Field> { { "noteNo", "106900001234" } }));
    return cases;
}

std::vector<OperationCase> conferenceCases(const CallerText& t)
{
    std::vector<OperationCase> cases;
    cases.push_back(wrappedCase(
        signedRequest(t, "createConference",
            { { "inmeetname", "" }, { "inmeettitle", t("周会") }, { "inmeetcall", t("01088886666") },
                { "inmeetphone", t("13800000001,13800000002") }, { "inphoneaddress", t("张三,李四") },
                { "inmeettype", "5" }, { "inmeettime", t("2026-12-08 09:30:00") }, { "inmeetsmsflag", "1" },
                { "inmeetrecflag", "2" }, { "inautocall", "3" }, { "inshutup", "4" }, { "inuserid", "pcadm" },
                { "inregphoneid", t(kPhone) }, { "ipaddress", t("10.1.2.3") }, { "timeticks", kTs },
                { "strMD5Client", kHash } }),
        [t](CCvService& s, std::string& text, int&) {
            return s.createConference(t(kPhone).c_str(), t(kPassword).c_str(), t("周会").c_str(),
                t("01088886666").c_str(), t("13800000001,13800000002").c_str(), t("张三,李四").c_str(),
                t("2026-12-08 09:30:00").c_str(), t("10.1.2.3").c_str(), 1, 2, 3, 4, 5, text);
        },
        "88001"));
    cases.push_back(wrappedCase(
        signedRequest(t, "ModifyBookConference",
            { { "inconferenceid", t("88001") }, { "inmeetname", "" }, { "inmeettitle", t("周会改") },
                { "inmeetcall", t("01088886666") }, { "inmeetphone", t("13800000001") },
                { "inphoneaddress", t("张三") }, { "inmeettime", t("2026-12-09 10:00:00") }, { "inmeetsmsflag", "1" },
                { "inmeetrecflag", "2" }, { "inautocallflag", "3" }, { "inshutupflag", "4" },
                { "inipaddress", t("10.1.2.3") }, { "inoprflag", "2" }, { "inuserid", "pcadm" },
                { "inregphoneid", t(kPhone) }, { "timeticks", kTs }, { "strMD5Client", kHash } }),
        [t](CCvService& s, std::string& text, int&) {
            return s.ModifyBookConference(t(kPhone).c_str(), t(kPassword).c_str(), t("88001").c_str(),
                t("周会改").c_str(), t("01088886666").c_str(), t("13800000001").c_str(), t("张三").c_str(),
                t("2026-12-09 10:00:00").c_str(), t("10.1.2.3").c_str(), 1, 2, 3, 4, 2, text);
        },
        "0"));
    cases.push_back(wrappedCase(
        signedRequest(t, "ConferenceControl",
            { { "inconferenceid", t("88001") }, { "incommandno", "6" }, { "inphoneid", t("13800000001") },
                { "inuserid", "pcadm" }, { "inregphoneid", t(kPhone) }, { "timeticks", kTs },
                { "strMD5Client", kHash } }),
        [t](CCvService& s, std::string& text, int&) {
            return s.ConferenceControl(
                t(kPhone).c_str(), t(kPassword).c_str(), t("88001").c_str(), 6, t("13800000001").c_str(), text);
        },
        "0"));
    const std::vector<Field> statusBody { { "conferenceid", t("88001") }, { "inregphoneid", t(kPhone) },
        { "timeticks", kTs }, { "strMD5Client", kHash } };
    cases.push_back(wrappedCase(
        signedRequest(t, "GetMeetingStatus", statusBody),
        [t](CCvService& s, std::string& text, int&) {
            return s.GetMeetingStatus(t(kPhone).c_str(), t(kPassword).c_str(), t("88001").c_str(), text);
        },
        "1"));
    cases.push_back(listCase(
        signedRequest(t, "GetMeetingMemberStatus", statusBody),
        [t](CCvService& s, std::string& text, int&) {
            return s.GetMeetingMemberStatus(t(kPhone).c_str(), t(kPassword).c_str(), t("88001").c_str(), text);
        },
        "ds", "phone,phoneaddress,phonetype,callstate,speakstate,speakrequest,activetalker", false));
    cases.push_back(listCase(
        signedRequest(t, "Getcurrentconferencelist", lowerAccount(t, true)),
        [t](CCvService& s, std::string& text, int& rows) {
            return s.Getcurrentconferencelist(t(kPhone).c_str(), t(kPassword).c_str(), text, rows);
        },
        "ds", kCurrentFields, true));
    cases.push_back(listCase(
        signedRequest(t, "GetSubscribeCurrentConference", lowerAccount(t, true)),
        [t](CCvService& s, std::string& text, int& rows) {
            return s.GetSubscribeCurrentConference(t(kPhone).c_str(), t(kPassword).c_str(), text, rows);
        },
        "ds", kBookedFields, true));
    cases.push_back(listCase(
        signedRequest(t, "GetPastConference", lowerAccount(t, false)),
        [t](CCvService& s, std::string& text, int& rows) {
            return s.GetPastConference(t(kPhone).c_str(), t(kPassword).c_str(), text, rows);
        },
        "ds", kPastFields, true));
    // Filters arrive as the caller wrote them, whatever the other texts hold: the
    // reader decodes the caller's own entities.
    cases.push_back(listCase(
        signedRequest(t, "getUserconference",
            { { "inregphoneid", t(kPhone) }, { "where", "meettime > '2026-01-01'" }, { "inuserid", "pcadm" },
                { "timeticks", kTs }, { "strMD5Client", kHash } }),
        [t](CCvService& s, std::string& text, int& rows) {
            return s.getUserconference(
                t(kPhone).c_str(), t(kPassword).c_str(), "meettime &gt; '2026-01-01'", text, rows);
        },
        "ds", "conferenceid,meetcall,meettime,processtime,times,charge,chargeyuan", true));
    cases.push_back(listCase(
        signedRequest(t, "GetMeetingRecordFile",
            { { "inregphoneid", t(kPhone) }, { "searchCondition", "meettime < '2026-12-01'" }, { "inuserid", "pcadm" },
                { "timeticks", kTs }, { "strMD5Client", kHash } }),
        [t](CCvService& s, std::string& text, int& rows) {
            return s.GetMeetingRecordFile(
                t(kPhone).c_str(), t(kPassword).c_str(), "meettime &lt; '2026-12-01'", text, rows);
        },
        "ds", "conferenceid,meetcall,meettime,meetrecfile,meettitle", true));
    return cases;
}

std::vector<OperationCase> addressBookCases(const CallerText& t)
{
    std::vector<OperationCase> cases;
    cases.push_back(wrappedCase(
        signedRequest(t, "ClientAddressNew",
            { { "regphoneId", t(kPhone) }, { "addressNo", "501" }, { "sex", "1" }, { "addressName", t("赵六") },
                { "phone", t("13500000005") }, { "email", t("z@x.cn") }, { "userId", "pcadm" }, { "oprFlag", "2" },
                { "timeStamp", kTs }, { "hashCode", kHash } }),
        [t](CCvService& s, std::string& text, int&) {
            return s.ClientAddressNew(t(kPhone).c_str(), t(kPassword).c_str(), 501, 1, t("赵六").c_str(),
                t("13500000005").c_str(), t("z@x.cn").c_str(), 2, text);
        },
        "0"));
    cases.push_back(listCase(
        signedRequest(t, "QueryClientAddress", camelAccount(t)),
        [t](CCvService& s, std::string& text, int& rows) {
            return s.QueryClientAddress(t(kPhone).c_str(), t(kPassword).c_str(), text, rows);
        },
        "Table", "clientno,addressno,addressname,phone,sex,email,addressgroupid,addressgroupname", true));
    const auto groupChange = [&t](const char* op, const char* id, const std::string& name, const char* flag) {
        return signedRequest(t, op,
            { { "ingroupid", id }, { "ingroupname", name }, { "inuserid", "pcadm" }, { "inoprflag", flag },
                { "inregphoneid", t(kPhone) }, { "timeticks", kTs }, { "strMD5Client", kHash } });
    };
    cases.push_back(wrappedCase(
        groupChange("ClientAddressGroup", "31", t("家人"), "2"),
        [t](CCvService& s, std::string& text, int&) {
            return s.ClientAddressGroup(t(kPhone).c_str(), t(kPassword).c_str(), 31, t("家人").c_str(), 2, text);
        },
        "0"));
    cases.push_back(listCase(
        signedRequest(t, "GetClientAddressGroup", lowerAccount(t, false)),
        [t](CCvService& s, std::string& text, int& rows) {
            return s.GetClientAddressGroup(t(kPhone).c_str(), t(kPassword).c_str(), text, rows);
        },
        "ds", "addressgroupid,addressgroupname", true));
    const auto groupQuery = [&t](const char* op, const std::string& id) {
        return signedRequest(t, op,
            { { "regphoneId", t(kPhone) }, { "groupId", id }, { "userId", "pcadm" }, { "timeStamp", kTs },
                { "hashCode", kHash } });
    };
    cases.push_back(listCase(
        groupQuery("QueryClientAddressGroupMember", t("31")),
        [t](CCvService& s, std::string& text, int& rows) {
            return s.QueryClientAddressGroupMember(
                t(kPhone).c_str(), t(kPassword).c_str(), t("31").c_str(), text, rows);
        },
        "Table", kMemberFields, true));
    const auto membership = [&t](const char* op, const char* group, const char* address, const char* flag) {
        return signedRequest(t, op,
            { { "regphoneId", t(kPhone) }, { "groupId", group }, { "addressNo", address }, { "userId", "pcadm" },
                { "oprFlag", flag }, { "timeStamp", kTs }, { "hashCode", kHash } });
    };
    cases.push_back(wrappedCase(
        membership("ClientAddressGroupMemberNew", "31", "501", "1"),
        [t](CCvService& s, std::string& text, int&) {
            return s.ClientAddressGroupMemberNew(t(kPhone).c_str(), t(kPassword).c_str(), 31, 501, 1, text);
        },
        "0"));
    cases.push_back(listCase(
        signedRequest(t, "QueryNotAddressGroupMember", camelAccount(t)),
        [t](CCvService& s, std::string& text, int& rows) {
            return s.QueryNotAddressGroupMember(t(kPhone).c_str(), t(kPassword).c_str(), text, rows);
        },
        "Table", kMemberFields, true));
    cases.push_back(wrappedCase(
        groupChange("ClientConfGroup", "41", t("董事会"), "1"),
        [t](CCvService& s, std::string& text, int&) {
            return s.ClientConfGroup(t(kPhone).c_str(), t(kPassword).c_str(), 41, t("董事会").c_str(), 1, text);
        },
        "0"));
    cases.push_back(listCase(
        signedRequest(t, "GetConfGroup", lowerAccount(t, false)),
        [t](CCvService& s, std::string& text, int& rows) {
            return s.GetConfGroup(t(kPhone).c_str(), t(kPassword).c_str(), text, rows);
        },
        "ds", "confgroupid,confgroupname", true));
    cases.push_back(listCase(
        groupQuery("QueryClientConfGroupMember", t("41")),
        [t](CCvService& s, std::string& text, int& rows) {
            return s.QueryClientConfGroupMember(t(kPhone).c_str(), t(kPassword).c_str(), t("41").c_str(), text, rows);
        },
        "Table", kMemberFields, true));
    cases.push_back(listCase(
        signedRequest(t, "QueryNotConfGroupMember", camelAccount(t)),
        [t](CCvService& s, std::string& text, int& rows) {
            return s.QueryNotConfGroupMember(t(kPhone).c_str(), t(kPassword).c_str(), text, rows);
        },
        "Table", kMemberFields, true));
    cases.push_back(wrappedCase(
        membership("ClientConfGroupMemberNew", "41", "502", "2"),
        [t](CCvService& s, std::string& text, int&) {
            return s.ClientConfGroupMemberNew(t(kPhone).c_str(), t(kPassword).c_str(), 41, 502, 2, text);
        },
        "0"));
    cases.push_back(wrappedCase(
        signedRequest(t, "clientsendmessage",
            { { "inphonelist", t("13800000001,13800000002") }, { "inshortmessage", t("明天开会") },
                { "datetime", t("2026-12-08 08:00:00") }, { "inuserid", "pcadm" }, { "inregphoneid", t(kPhone) },
                { "timeticks", kTs }, { "strMD5Client", kHash } }),
        [t](CCvService& s, std::string& text, int&) {
            return s.clientsendmessage(t(kPhone).c_str(), t(kPassword).c_str(), t("13800000001,13800000002").c_str(),
                t("明天开会").c_str(), t("2026-12-08 08:00:00").c_str(), text);
        },
        std::vector<Field> {
            { "clientsendmessageResult", "0" }, { "outmsgsendcount", "2" }, { "outblackkeywords", "赌博" } }));
    cases.push_back(listCase(
        signedRequest(t, "GetUserPhoneCharge",
            { { "inregphoneid", t(kPhone) }, { "where", "msgsendtime > '2026-11-01'" }, { "inuserid", "pcadm" },
                { "timeticks", kTs }, { "strMD5Client", kHash } }),
        [t](CCvService& s, std::string& text, int& rows) {
            return s.GetUserPhoneCharge(
                t(kPhone).c_str(), t(kPassword).c_str(), "msgsendtime &gt; '2026-11-01'", text, rows);
        },
        "ds", "calledid,msgsendtime,origincharge", true));
    return cases;
}

std::vector<OperationCase> allCases(const CallerText& t)
{
    std::vector<OperationCase> cases = sessionCases(t);
    for (auto part : { conferenceCases(t), addressBookCases(t) })
        cases.insert(cases.end(), part.begin(), part.end());
    return cases;
}

// The largest reply each operation accepts; 40,960 bytes unless listed.
std::size_t capacityOf(const std::string& operation)
{
    static const std::map<std::string, std::size_t> kLarger { { "GetMeetingStatus", 4096000 },
        { "GetMeetingMemberStatus", 4096000 }, { "GetPastConference", 4096000 }, { "getUserconference", 4096000 },
        { "GetMeetingRecordFile", 4096000 }, { "QueryClientAddress", 8096000 },
        { "QueryClientAddressGroupMember", 409600 }, { "QueryNotAddressGroupMember", 4096000 },
        { "QueryNotConfGroupMember", 4096000 }, { "GetUserPhoneCharge", 4096000 } };
    const auto found = kLarger.find(operation);
    return found == kLarger.end() ? 40960 : found->second;
}

// The reply grown to size bytes with blanks inside soap:Body, so that losing even its
// last byte leaves a document that does not parse.
std::string padded(std::string reply, std::size_t size)
{
    reply.insert(reply.rfind("</soap:Body>"), size - reply.size(), ' ');
    return reply;
}

Outcome run(const OperationCase& operation, const cvsrv::ServiceConfig& config)
{
    CCvService service(config);
    Outcome outcome;
    outcome.status = operation.invoke(service, outcome.text, outcome.rows);
    return outcome;
}

void expectOutcome(const Outcome& actual, const Outcome& expected, const char* scenario)
{
    SCOPED_TRACE(scenario);
    EXPECT_EQ(actual.status, expected.status);
    EXPECT_EQ(actual.text, expected.text);
    EXPECT_EQ(actual.rows, expected.rows);
}

class Operation : public testing::TestWithParam<OperationCase> {
protected:
    FakeSoapServer m_server;
};

// The same table, every caller-supplied text but the filters ending in kAwkward.
class OperationWithAwkwardTexts : public Operation { };

} // namespace

TEST_P(Operation, SendsItsRequestAndDecodesTheReply)
{
    const OperationCase& operation = GetParam();
    m_server.setReply(CannedReply::ok(operation.reply));
    expectOutcome(run(operation, configFor(m_server)), operation.decoded, "realistic reply");
    ASSERT_EQ(m_server.requestCount(), 1u);
    checkRequest(m_server.lastRequest(), kNs, operation.request);
}

TEST_P(Operation, ReplyWithoutItsElements)
{
    const OperationCase& operation = GetParam();
    m_server.setReply(CannedReply::ok(soapEnvelope("")));
    expectOutcome(run(operation, configFor(m_server)), operation.empty, "empty reply");
    // A fault carries none of the elements either, whatever its HTTP status.
    m_server.setReply(CannedReply::fault("Server was unable to process request."));
    expectOutcome(run(operation, configFor(m_server)), operation.empty, "SOAP fault");
}

TEST_P(Operation, ReplyUpToItsCapacity)
{
    const OperationCase& operation = GetParam();
    const std::size_t capacity = capacityOf(operation.request.operation);
    m_server.setReply(CannedReply::ok(padded(operation.reply, capacity)));
    expectOutcome(run(operation, configFor(m_server)), operation.decoded, "reply of the whole capacity");
    // A longer reply is never read whole, so it cannot be decoded: the exchange fails
    // rather than passing for an empty answer.
    m_server.setReply(CannedReply::ok(padded(operation.reply, capacity + 1)));
    expectOutcome(run(operation, configFor(m_server)), operation.failed, "reply one byte too long");
}

TEST_P(Operation, FailedExchange)
{
    const OperationCase& operation = GetParam();
    CannedReply hangUp;
    hangUp.closeWithoutReply = true;
    m_server.setReply(hangUp);
    expectOutcome(run(operation, configFor(m_server)), operation.failed, "closed without reply");

    // A chunked reply has no Content-Length: the exchange counts as failed although the
    // reply is complete and well-formed.
    CannedReply chunked = CannedReply::ok(operation.reply);
    chunked.framing = CannedReply::Framing::Chunked;
    m_server.setReply(chunked);
    expectOutcome(run(operation, configFor(m_server)), operation.failed, "chunked reply");

    cvsrv::ServiceConfig refused = configFor(m_server);
    m_server.stop();
    expectOutcome(run(operation, refused), operation.failed, "connection refused");
}

// Each text reaches the service's XML parser as the caller wrote it, signed as written.
TEST_P(OperationWithAwkwardTexts, TextsArriveIntact)
{
    const OperationCase& operation = GetParam();
    m_server.setReply(CannedReply::ok(operation.reply));
    expectOutcome(run(operation, configFor(m_server)), operation.decoded, "realistic reply");
    ASSERT_EQ(m_server.requestCount(), 1u);
    const corvana::test::RecordedRequest request = m_server.lastRequest();
    checkRequest(request, kNs, operation.request);
    EXPECT_EQ(request.body.find(kAwkward), std::string::npos) << "sent unescaped";
}

const auto kCaseName = [](const testing::TestParamInfo<OperationCase>& info) { return info.param.request.operation; };

INSTANTIATE_TEST_SUITE_P(AllOperations, Operation, testing::ValuesIn(allCases(CallerText { false })), kCaseName);
INSTANTIATE_TEST_SUITE_P(
    AllOperations, OperationWithAwkwardTexts, testing::ValuesIn(allCases(CallerText { true })), kCaseName);
