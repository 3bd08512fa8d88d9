// Creating, changing and controlling conferences; current, booked and past lists,
// member states, charges and recordings. The service's own status travels inside
// the result text; the methods return -1 only when the exchange failed.
#include "cvsrv/CCvService.h"

#include "OperationCall.h"

using cvsrv::kListReply;
using cvsrv::kSmallReply;
using cvsrv::kUserId;
using cvsrv::OperationCall;

namespace {

constexpr std::size_t kTopicLimit = 1024;
constexpr std::size_t kCreateNamesLimit = 202400;
constexpr std::size_t kModifyNamesLimit = 102400;

constexpr const char* kCurrentFields = "conferenceid,meettitle,regphoneid,meettime,meetcall,meetphone,"
                                       "meetphoneaddress,meettype,meetautodialflag,meetsmsflag,meetshutupflag,"
                                       "meetrecflag,meetpwd";
constexpr const char* kBookedFields = "conferenceid,meettitle,meettime,meetcall,meetphone,meetphoneaddress,"
                                      "meetautodialflag,meetsmsflag,meetshutupflag,meetrecflag";
constexpr const char* kPastFields = "meettime,meettitle,meetcall,meetphone,meetphoneaddress,meetsmsflag,"
                                    "meetrecflag,meetshutupflag,meetautodialflag,members";

// The account-only request of the list operations; withUserId adds the constant id.
void accountBody(OperationCall& call, const char* regphoneid, bool withUserId)
{
    call.body().text("inregphoneid", regphoneid);
    if (withUserId)
        call.body().text("inuserid", kUserId);
    call.body().text("timeticks", call.timeStamp()).text("strMD5Client", call.hash());
}

} // namespace

int CCvService::createConference(const char* regphoneid, const char* password, const char* topic, const char* meetcall,
    const char* phones, const char* names, const char* meettime, const char* ipaddress, int smsflag, int recflag,
    int autocall, int shutup, int meettype, std::string& result)
{
    OperationCall call(m_config, m_cancel, "createConference", kSmallReply);
    call.sign(regphoneid, password);
    call.body()
        .text("inmeetname", "")
        .utf8("inmeettitle", topic, kTopicLimit)
        .text("inmeetcall", meetcall)
        .text("inmeetphone", phones)
        .utf8("inphoneaddress", names, kCreateNamesLimit)
        .number("inmeettype", meettype)
        .text("inmeettime", meettime)
        .number("inmeetsmsflag", smsflag)
        .number("inmeetrecflag", recflag)
        .number("inautocall", autocall)
        .number("inshutup", shutup)
        .text("inuserid", kUserId)
        .text("inregphoneid", regphoneid)
        .text("ipaddress", ipaddress)
        .text("timeticks", call.timeStamp())
        .text("strMD5Client", call.hash());
    return call.postForWrappedResult(result);
}

int CCvService::ModifyBookConference(const char* regphoneid, const char* password, const char* conferenceid,
    const char* topic, const char* meetcall, const char* phones, const char* names, const char* meettime,
    const char* ipaddress, int smsflag, int recflag, int autocall, int shutup, int oprflag, std::string& result)
{
    OperationCall call(m_config, m_cancel, "ModifyBookConference", kSmallReply);
    call.sign(regphoneid, password);
    call.body()
        .text("inconferenceid", conferenceid)
        .text("inmeetname", "")
        .utf8("inmeettitle", topic, kTopicLimit)
        .text("inmeetcall", meetcall)
        .text("inmeetphone", phones)
        .utf8("inphoneaddress", names, kModifyNamesLimit)
        .text("inmeettime", meettime)
        .number("inmeetsmsflag", smsflag)
        .number("inmeetrecflag", recflag)
        .number("inautocallflag", autocall)
        .number("inshutupflag", shutup)
        .text("inipaddress", ipaddress)
        .number("inoprflag", oprflag)
        .text("inuserid", kUserId)
        .text("inregphoneid", regphoneid)
        .text("timeticks", call.timeStamp())
        .text("strMD5Client", call.hash());
    return call.postForWrappedResult(result);
}

int CCvService::ConferenceControl(const char* regphoneid, const char* password, const char* conferenceid, int command,
    const char* phoneid, std::string& result)
{
    OperationCall call(m_config, m_cancel, "ConferenceControl", kSmallReply);
    call.sign(regphoneid, password);
    call.body()
        .text("inconferenceid", conferenceid)
        .number("incommandno", command)
        .utf8("inphoneid", phoneid)
        .text("inuserid", kUserId)
        .text("inregphoneid", regphoneid)
        .text("timeticks", call.timeStamp())
        .text("strMD5Client", call.hash());
    return call.postForWrappedResult(result);
}

int CCvService::GetMeetingStatus(
    const char* regphoneid, const char* password, const char* conferenceid, std::string& result)
{
    OperationCall call(m_config, m_cancel, "GetMeetingStatus", kListReply);
    call.sign(regphoneid, password);
    call.body()
        .text("conferenceid", conferenceid)
        .text("inregphoneid", regphoneid)
        .text("timeticks", call.timeStamp())
        .text("strMD5Client", call.hash());
    return call.postForWrappedResult(result);
}

int CCvService::GetMeetingMemberStatus(
    const char* regphoneid, const char* password, const char* conferenceid, std::string& result)
{
    OperationCall call(m_config, m_cancel, "GetMeetingMemberStatus", kListReply);
    call.sign(regphoneid, password);
    call.body()
        .text("conferenceid", conferenceid)
        .text("inregphoneid", regphoneid)
        .text("timeticks", call.timeStamp())
        .text("strMD5Client", call.hash());
    return call.postForRowText(
        "ds", "phone,phoneaddress,phonetype,callstate,speakstate,speakrequest,activetalker", result);
}

int CCvService::Getcurrentconferencelist(const char* regphoneid, const char* password, std::string& result, int& rows)
{
    OperationCall call(m_config, m_cancel, "Getcurrentconferencelist", kSmallReply);
    call.sign(regphoneid, password);
    accountBody(call, regphoneid, true);
    return call.postForRows("ds", kCurrentFields, result, rows);
}

int CCvService::GetSubscribeCurrentConference(
    const char* regphoneid, const char* password, std::string& result, int& rows)
{
    OperationCall call(m_config, m_cancel, "GetSubscribeCurrentConference", kSmallReply);
    call.sign(regphoneid, password);
    accountBody(call, regphoneid, true);
    return call.postForRows("ds", kBookedFields, result, rows);
}

int CCvService::GetPastConference(const char* regphoneid, const char* password, std::string& result, int& rows)
{
    OperationCall call(m_config, m_cancel, "GetPastConference", kListReply);
    call.sign(regphoneid, password);
    accountBody(call, regphoneid, false);
    return call.postForRows("ds", kPastFields, result, rows);
}

int CCvService::getUserconference(
    const char* regphoneid, const char* password, const char* where, std::string& result, int& rows)
{
    OperationCall call(m_config, m_cancel, "getUserconference", kListReply);
    call.sign(regphoneid, password);
    call.body()
        .text("inregphoneid", regphoneid)
        .filter("where", where)
        .text("inuserid", kUserId)
        .text("timeticks", call.timeStamp())
        .text("strMD5Client", call.hash());
    return call.postForRows("ds", "conferenceid,meetcall,meettime,processtime,times,charge,chargeyuan", result, rows);
}

int CCvService::GetMeetingRecordFile(
    const char* regphoneid, const char* password, const char* searchCondition, std::string& result, int& rows)
{
    OperationCall call(m_config, m_cancel, "GetMeetingRecordFile", kListReply);
    call.sign(regphoneid, password);
    call.body()
        .text("inregphoneid", regphoneid)
        .filter("searchCondition", searchCondition)
        .text("inuserid", kUserId)
        .text("timeticks", call.timeStamp())
        .text("strMD5Client", call.hash());
    return call.postForRows("ds", "conferenceid,meetcall,meettime,meetrecfile,meettitle", result, rows);
}
