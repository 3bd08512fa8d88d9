// Signing in, the account's profile, balance and settings, transfers, system
// message texts, the version check and the conference room.
#include "cvsrv/CCvService.h"

#include "OperationCall.h"

using cvsrv::kSmallReply;
using cvsrv::kUserId;
using cvsrv::OperationCall;
using cvsrv::statusOf;

namespace {

// Operations whose reply is one status value: an empty value gives emptyStatus.
int statusReply(const OperationCall& call, const char* resultTag, int emptyStatus)
{
    const std::string value = call.value(resultTag);
    return value.empty() ? emptyStatus : statusOf(value);
}

} // namespace

CCvService::CCvService(cvsrv::ServiceConfig config, const std::atomic<bool>* cancel)
    : m_config(std::move(config))
    , m_cancel(cancel)
{
}

CCvService::~CCvService() = default;

int CCvService::UserClientLogin(const char* regphoneid, const char* password, const char* ipaddress)
{
    OperationCall call(m_config, m_cancel, "UserClientLogin", kSmallReply);
    call.sign(regphoneid, password);
    call.body()
        .text("inregphoneid", regphoneid)
        .text("inclientpassword", password)
        .text("inipaddress", ipaddress)
        .number("inlogincmd", 0)
        .text("inuserid", kUserId)
        .text("timeticks", call.timeStamp())
        .text("strMD5Client", call.hash());
    if (!call.post())
        return 9;
    return statusReply(call, "UserClientLoginResult", 9);
}

int CCvService::ModifytPasswordByPhoneID(const char* regphoneid, const char* oldPassword, const char* newPassword)
{
    OperationCall call(m_config, m_cancel, "ModifytPasswordByPhoneID", kSmallReply);
    call.sign(regphoneid, oldPassword);
    call.body()
        .text("inregphoneid", regphoneid)
        .text("inoldpassword", oldPassword)
        .text("innewpassword", newPassword)
        .text("inuserid", kUserId)
        .text("timeticks", call.timeStamp())
        .text("strMD5Client", call.hash());
    if (!call.post())
        return 9;
    return statusReply(call, "ModifytPasswordByPhoneIDResult", -1);
}

int CCvService::GetMemberInfo(const char* regphoneid, const char* password, std::string& info)
{
    OperationCall call(m_config, m_cancel, "GetMemberInfo", kSmallReply);
    call.sign(regphoneid, password);
    call.body()
        .text("inregphoneid", regphoneid)
        .text("inuserid", kUserId)
        .text("timeticks", call.timeStamp())
        .text("strMD5Client", call.hash());
    return call.postForRowText("ds",
        "clientno,idcard,idtype,sex,contactname,contactid,email,street,city,state,country,postcode,meetcall,"
        "messagesender,comment,modifytime,userid,ipaddress",
        info, 9);
}

int CCvService::ClientPrivateInfo(const char* regphoneid, const char* password, const char* idcard, int idtype, int sex,
    const char* contactid, const char* email, const char* street, const char* city, const char* state,
    const char* country, const char* postcode, const char* meetcall, const char* messagesender, const char* comment,
    int oprflag, const char* contactname, std::string& result)
{
    OperationCall call(m_config, m_cancel, "ClientPrivateInfo", kSmallReply);
    call.sign(regphoneid, password);
    call.body()
        .text("inregphoneid", regphoneid)
        .text("inidcard", idcard)
        .number("inidtype", idtype)
        .number("insex", sex)
        .text("incontactid", contactid)
        .text("inemail", email)
        .utf8("instreet", street)
        .utf8("incity", city)
        .utf8("instate", state)
        .utf8("incountry", country)
        .text("postcode", postcode)
        .text("inmeetcall", meetcall)
        .text("inmessagesender", messagesender)
        .utf8("incomment", comment)
        .text("inuserid", kUserId)
        .number("inoprflag", oprflag)
        .text("timeticks", call.timeStamp())
        .text("strMD5Client", call.hash())
        .text("contactname", contactname);
    return call.postForWrappedResult(result, 9);
}

int CCvService::GetClientBalance(
    const char* regphoneid, const char* password, std::string& balance, std::string& expiry)
{
    OperationCall call(m_config, m_cancel, "GetClientBalance", kSmallReply);
    call.sign(regphoneid, password);
    call.body()
        .text("inregphoneid", regphoneid)
        .text("inuserid", kUserId)
        .text("timeticks", call.timeStamp())
        .text("strMD5Client", call.hash());
    if (!call.post())
        return -1;
    const std::string value = call.value("GetClientBalanceResult");
    if (value.empty())
        return -1;
    if (const int status = statusOf(value); status != 0)
        return status;
    balance = call.value("outbalance");
    expiry = call.value("outexptime");
    return 0;
}

int CCvService::SetMeetCall(const char* regphoneid, const char* password, const char* meetcall)
{
    OperationCall call(m_config, m_cancel, "SetMeetCall", kSmallReply);
    call.sign(regphoneid, password);
    call.body()
        .text("inregphoneid", regphoneid)
        .text("inmeetcal", meetcall)
        .text("inuserid", kUserId)
        .text("timeticks", call.timeStamp())
        .text("strMD5Client", call.hash());
    if (!call.post())
        return 9;
    return statusReply(call, "SetMeetCallResult", -1);
}

int CCvService::SetMessagesender(const char* regphoneid, const char* password, const char* messagesender)
{
    OperationCall call(m_config, m_cancel, "SetMessagesender", kSmallReply);
    call.sign(regphoneid, password);
    call.body()
        .text("inregphoneid", regphoneid)
        .utf8("inmessagesender", messagesender)
        .text("inuserid", kUserId)
        .text("timeticks", call.timeStamp())
        .text("strMD5Client", call.hash());
    if (!call.post())
        return 9;
    return statusReply(call, "SetMessagesenderResult", -1);
}

int CCvService::TransferAccount(const char* fromRegphoneid, const char* fromPassword, const char* toRegphoneid,
    int recharge, int rechargeadd, int processstate, const char* remark)
{
    OperationCall call(m_config, m_cancel, "TransferAccount", kSmallReply);
    call.sign(fromRegphoneid, fromPassword);
    call.body()
        .text("inoutregphoneid", fromRegphoneid)
        .text("inoutclientpassword", fromPassword)
        .text("intoregphoneid", toRegphoneid)
        .number("inrecharge", recharge)
        .number("inrechargeadd", rechargeadd)
        .number("inprocessstate", processstate)
        .text("inremark", remark)
        .text("inuserid", kUserId)
        .text("timeticks", call.timeStamp())
        .text("strMD5Client", call.hash());
    if (!call.post())
        return 9;
    return statusReply(call, "TransferAccountResult", -1);
}

int CCvService::GetSysMsgInfo(int msgno, std::string& text)
{
    text.clear();
    OperationCall call(m_config, m_cancel, "GetSysMsgInfo", kSmallReply);
    call.body().number("msgno", msgno);
    if (!call.post()) {
        text = "发送数据失败!";
        return -1;
    }
    text = call.value("GetSysMsgInfoResult");
    return 0;
}

int CCvService::CheckOrUpdatePCClientVersion(const char* softversion, const char* userid, std::string& result)
{
    result.clear();
    OperationCall call(m_config, m_cancel, "CheckOrUpdatePCClientVersion", kSmallReply);
    call.stamp();
    call.body()
        .number("insofttype", 160)
        .text("insoftversion", softversion)
        .text("inuserid", userid)
        .text("timeticks", call.timeStamp());
    if (!call.post()) {
        result = "发送数据失败!";
        return -1;
    }
    call.rows("CheckOrUpdatePCClientVersionResponse",
        "CheckOrUpdatePCClientVersionResult,outsoftversion,outupgradeflag,outdownloadurl", result);
    return 0;
}

int CCvService::GetClientRoomInfo(const char* regphoneid, const char* password, std::string& result)
{
    OperationCall call(m_config, m_cancel, "GetClientRoomInfo", kSmallReply);
    call.sign(regphoneid, password);
    call.body()
        .text("inregphoneid", regphoneid)
        .text("inuserid", kUserId)
        .text("timeticks", call.timeStamp())
        .text("strMD5Client", call.hash());
    return call.postForRowText("ds", "chairpersonpwd,participantpwd", result);
}

int CCvService::ModifyClientRoomInfo(const char* regphoneid, const char* password, int& result)
{
    result = -1;
    OperationCall call(m_config, m_cancel, "ModifyClientRoomInfo", kSmallReply);
    call.sign(regphoneid, password);
    call.body()
        .text("inregphoneid", regphoneid)
        .number("inroomtype", 0)
        .text("inchairpersonpwd", "")
        .text("inparticipantpwd", "")
        .text("instarttime", "2010-01-01T00:00:00")
        .text("inendtime", "2070-01-01T00:00:00")
        .number("inoprflag", 0)
        .text("inuserid", kUserId)
        .text("timeticks", call.timeStamp())
        .text("strMD5Client", call.hash());
    if (!call.post())
        return -1;
    // The service's answer is handed back through result, which the old interface
    // left at -1; callers that ignore it are unaffected.
    const std::string value = call.value("ModifyClientRoomInfoResult");
    if (!value.empty())
        result = statusOf(value);
    return 0;
}

int CCvService::GetClientNoteNo(const char* regphoneid, const char* password, std::string& result)
{
    OperationCall call(m_config, m_cancel, "GetClientNoteNo", kSmallReply);
    call.sign(regphoneid, password);
    call.body()
        .text("inregphoneid", regphoneid)
        .text("inuserid", kUserId)
        .text("timeticks", call.timeStamp())
        .text("strMD5Client", call.hash());
    return call.postForRowText("GetClientNoteNoResponse", "noteNo", result);
}
