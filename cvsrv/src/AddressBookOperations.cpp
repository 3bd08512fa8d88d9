// Contacts, contact groups and conference groups with their members, SMS sending
// and SMS charges. Contact and member operations use the camel-case element style
// (regphoneId, userId, timeStamp, hashCode); group, SMS and charge operations the
// lower-case one. The service's status travels inside the result text.
#include "cvsrv/CCvService.h"

#include "OperationCall.h"

using cvsrv::kContactsReply;
using cvsrv::kListReply;
using cvsrv::kMemberReply;
using cvsrv::kSmallReply;
using cvsrv::kUserId;
using cvsrv::OperationCall;

namespace {

constexpr std::size_t kNameLimit = 512;
constexpr std::size_t kMessageLimit = 1024;
constexpr const char* kMemberFields = "addressno,addressname,phone";

// Camel-case request carrying only the account: regphoneId, userId, timeStamp, hashCode.
void camelAccountBody(OperationCall& call, const char* regphoneid)
{
    call.body()
        .text("regphoneId", regphoneid)
        .text("userId", kUserId)
        .text("timeStamp", call.timeStamp())
        .text("hashCode", call.hash());
}

// Camel-case request for one group's members.
void camelGroupBody(OperationCall& call, const char* regphoneid, const char* groupId)
{
    call.body()
        .text("regphoneId", regphoneid)
        .text("groupId", groupId)
        .text("userId", kUserId)
        .text("timeStamp", call.timeStamp())
        .text("hashCode", call.hash());
}

// Adds a contact to a group or removes it (contact and conference groups alike).
void camelMembershipBody(OperationCall& call, const char* regphoneid, int groupId, int addressNo, int oprFlag)
{
    call.body()
        .text("regphoneId", regphoneid)
        .number("groupId", groupId)
        .number("addressNo", addressNo)
        .text("userId", kUserId)
        .number("oprFlag", oprFlag)
        .text("timeStamp", call.timeStamp())
        .text("hashCode", call.hash());
}

// Adds, renames or deletes a group (contact and conference groups alike).
void groupChangeBody(OperationCall& call, const char* regphoneid, int groupId, const char* groupName, int oprflag)
{
    call.body()
        .number("ingroupid", groupId)
        .utf8("ingroupname", groupName, kNameLimit)
        .text("inuserid", kUserId)
        .number("inoprflag", oprflag)
        .text("inregphoneid", regphoneid)
        .text("timeticks", call.timeStamp())
        .text("strMD5Client", call.hash());
}

// Lower-case request carrying only the account, without the user id.
void groupListBody(OperationCall& call, const char* regphoneid)
{
    call.body().text("inregphoneid", regphoneid).text("timeticks", call.timeStamp()).text("strMD5Client", call.hash());
}

} // namespace

int CCvService::ClientAddressNew(const char* regphoneid, const char* password, int addressNo, int sex, const char* name,
    const char* phone, const char* email, int oprFlag, std::string& result)
{
    OperationCall call(m_config, m_cancel, "ClientAddressNew", kSmallReply);
    call.sign(regphoneid, password);
    call.body()
        .text("regphoneId", regphoneid)
        .number("addressNo", addressNo)
        .number("sex", sex)
        .utf8("addressName", name, kNameLimit)
        .text("phone", phone)
        .text("email", email)
        .text("userId", kUserId)
        .number("oprFlag", oprFlag)
        .text("timeStamp", call.timeStamp())
        .text("hashCode", call.hash());
    return call.postForWrappedResult(result);
}

int CCvService::QueryClientAddress(const char* regphoneid, const char* password, std::string& result, int& rows)
{
    OperationCall call(m_config, m_cancel, "QueryClientAddress", kContactsReply);
    call.sign(regphoneid, password);
    camelAccountBody(call, regphoneid);
    return call.postForRows(
        "Table", "clientno,addressno,addressname,phone,sex,email,addressgroupid,addressgroupname", result, rows);
}

int CCvService::ClientAddressGroup(
    const char* regphoneid, const char* password, int groupId, const char* groupName, int oprflag, std::string& result)
{
    OperationCall call(m_config, m_cancel, "ClientAddressGroup", kSmallReply);
    call.sign(regphoneid, password);
    groupChangeBody(call, regphoneid, groupId, groupName, oprflag);
    return call.postForWrappedResult(result);
}

int CCvService::GetClientAddressGroup(const char* regphoneid, const char* password, std::string& result, int& rows)
{
    OperationCall call(m_config, m_cancel, "GetClientAddressGroup", kSmallReply);
    call.sign(regphoneid, password);
    groupListBody(call, regphoneid);
    return call.postForRows("ds", "addressgroupid,addressgroupname", result, rows);
}

int CCvService::QueryClientAddressGroupMember(
    const char* regphoneid, const char* password, const char* groupId, std::string& result, int& rows)
{
    OperationCall call(m_config, m_cancel, "QueryClientAddressGroupMember", kMemberReply);
    call.sign(regphoneid, password);
    camelGroupBody(call, regphoneid, groupId);
    return call.postForRows("Table", kMemberFields, result, rows);
}

int CCvService::ClientAddressGroupMemberNew(
    const char* regphoneid, const char* password, int groupId, int addressNo, int oprFlag, std::string& result)
{
    OperationCall call(m_config, m_cancel, "ClientAddressGroupMemberNew", kSmallReply);
    call.sign(regphoneid, password);
    camelMembershipBody(call, regphoneid, groupId, addressNo, oprFlag);
    return call.postForWrappedResult(result);
}

int CCvService::QueryNotAddressGroupMember(const char* regphoneid, const char* password, std::string& result, int& rows)
{
    OperationCall call(m_config, m_cancel, "QueryNotAddressGroupMember", kListReply);
    call.sign(regphoneid, password);
    camelAccountBody(call, regphoneid);
    return call.postForRows("Table", kMemberFields, result, rows);
}

int CCvService::ClientConfGroup(
    const char* regphoneid, const char* password, int groupId, const char* groupName, int oprflag, std::string& result)
{
    OperationCall call(m_config, m_cancel, "ClientConfGroup", kSmallReply);
    call.sign(regphoneid, password);
    groupChangeBody(call, regphoneid, groupId, groupName, oprflag);
    return call.postForWrappedResult(result);
}

int CCvService::GetConfGroup(const char* regphoneid, const char* password, std::string& result, int& rows)
{
    OperationCall call(m_config, m_cancel, "GetConfGroup", kSmallReply);
    call.sign(regphoneid, password);
    groupListBody(call, regphoneid);
    return call.postForRows("ds", "confgroupid,confgroupname", result, rows);
}

int CCvService::QueryClientConfGroupMember(
    const char* regphoneid, const char* password, const char* groupId, std::string& result, int& rows)
{
    OperationCall call(m_config, m_cancel, "QueryClientConfGroupMember", kSmallReply);
    call.sign(regphoneid, password);
    camelGroupBody(call, regphoneid, groupId);
    return call.postForRows("Table", kMemberFields, result, rows);
}

int CCvService::QueryNotConfGroupMember(const char* regphoneid, const char* password, std::string& result, int& rows)
{
    OperationCall call(m_config, m_cancel, "QueryNotConfGroupMember", kListReply);
    call.sign(regphoneid, password);
    camelAccountBody(call, regphoneid);
    return call.postForRows("Table", kMemberFields, result, rows);
}

int CCvService::ClientConfGroupMemberNew(
    const char* regphoneid, const char* password, int groupId, int addressNo, int oprFlag, std::string& result)
{
    OperationCall call(m_config, m_cancel, "ClientConfGroupMemberNew", kSmallReply);
    call.sign(regphoneid, password);
    camelMembershipBody(call, regphoneid, groupId, addressNo, oprFlag);
    return call.postForWrappedResult(result);
}

int CCvService::clientsendmessage(const char* regphoneid, const char* password, const char* phoneList,
    const char* message, const char* sendTime, std::string& result)
{
    OperationCall call(m_config, m_cancel, "clientsendmessage", kSmallReply);
    call.sign(regphoneid, password);
    call.body()
        .text("inphonelist", phoneList)
        .utf8("inshortmessage", message, kMessageLimit)
        .text("datetime", sendTime)
        .text("inuserid", kUserId)
        .text("inregphoneid", regphoneid)
        .text("timeticks", call.timeStamp())
        .text("strMD5Client", call.hash());
    return call.postForRowText(
        "clientsendmessageResponse", "clientsendmessageResult,outmsgsendcount,outblackkeywords", result);
}

int CCvService::GetUserPhoneCharge(
    const char* regphoneid, const char* password, const char* where, std::string& result, int& rows)
{
    OperationCall call(m_config, m_cancel, "GetUserPhoneCharge", kListReply);
    call.sign(regphoneid, password);
    call.body()
        .text("inregphoneid", regphoneid)
        .filter("where", where)
        .text("inuserid", kUserId)
        .text("timeticks", call.timeStamp())
        .text("strMD5Client", call.hash());
    return call.postForRows("ds", "calledid,msgsendtime,origincharge", result, rows);
}
