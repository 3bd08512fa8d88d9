#include "operations/AccountOperations.h"

#include "Money.h"
#include "OperationTable.h"
#include "PhoneNumber.h"
#include "RandomDigits.h"
#include "ServiceContext.h"
#include "SoapReply.h"
#include "StatusCodes.h"
#include "TimeText.h"
#include "Utf8Text.h"
#include "store/AccountRepository.h"

namespace cvservice {

namespace {

constexpr std::size_t kMaxPasswordLength = 32;
constexpr std::size_t kMaxSmsSignature = 16;
constexpr std::size_t kMaxProfileField = 100;
constexpr int kTransferProcessState = 2;

bool validPassword(const std::string& password)
{
    if (password.empty() || utf8text::length(password) > kMaxPasswordLength)
        return false;
    return password.find(' ') == std::string::npos;
}

} // namespace

AccountOperations::AccountOperations(ServiceContext& context)
    : m_context(context)
{
}

void AccountOperations::install(OperationTable& table)
{
    const std::vector<ParamSpec> plain { T("inregphoneid"), T("inuserid"), T("timeticks"), T("strMD5Client") };
    table.add({ "ModifytPasswordByPhoneID",
        { T("inregphoneid"), T("inoldpassword"), T("innewpassword"), T("inuserid"), T("timeticks"), T("strMD5Client") },
        lowerCaseSigning(), [this](const SoapRequest& r) { return changePassword(r); } });
    table.add({ "GetMemberInfo", plain, lowerCaseSigning(), [this](const SoapRequest& r) { return memberInfo(r); } });
    table.add({ "ClientPrivateInfo",
        { T("inregphoneid"), T("inidcard"), I("inidtype"), I("insex"), T("incontactid"), T("inemail"), T("instreet"),
            T("incity"), T("instate"), T("incountry"), T("postcode"), T("inmeetcall"), T("inmessagesender"),
            T("incomment"), T("inuserid"), I("inoprflag"), T("timeticks"), T("strMD5Client"), T("contactname") },
        lowerCaseSigning(), [this](const SoapRequest& r) { return saveProfile(r); } });
    table.add({ "GetClientBalance", plain, lowerCaseSigning(), [this](const SoapRequest& r) { return balance(r); } });
    table.add({ "SetMeetCall", { T("inregphoneid"), T("inmeetcal"), T("inuserid"), T("timeticks"), T("strMD5Client") },
        lowerCaseSigning(), [this](const SoapRequest& r) { return setMeetCall(r); } });
    table.add({ "SetMessagesender",
        { T("inregphoneid"), T("inmessagesender"), T("inuserid"), T("timeticks"), T("strMD5Client") },
        lowerCaseSigning(), [this](const SoapRequest& r) { return setMessageSender(r); } });
    table.add({ "TransferAccount",
        { T("inoutregphoneid"), T("inoutclientpassword"), T("intoregphoneid"), I("inrecharge"), I("inrechargeadd"),
            I("inprocessstate"), T("inremark"), T("inuserid"), T("timeticks"), T("strMD5Client") },
        { SigningSpec::Signed, "inoutregphoneid", "timeticks", "strMD5Client" },
        [this](const SoapRequest& r) { return transfer(r); } });
    table.add({ "GetClientRoomInfo", plain, lowerCaseSigning(), [this](const SoapRequest& r) { return roomInfo(r); } });
    table.add({ "ModifyClientRoomInfo",
        { T("inregphoneid"), I("inroomtype"), T("inchairpersonpwd"), T("inparticipantpwd"), T("instarttime"),
            T("inendtime"), I("inoprflag"), T("inuserid"), T("timeticks"), T("strMD5Client") },
        lowerCaseSigning(), [this](const SoapRequest& r) { return resetRoom(r); } });
    table.add({ "GetClientNoteNo", plain, lowerCaseSigning(), [this](const SoapRequest& r) { return noteNumber(r); } });
}

std::string AccountOperations::changePassword(const SoapRequest& request)
{
    const auto stored = m_context.accounts.password(request.regphoneid);
    if (!stored || *stored != request.text("inoldpassword"))
        return SoapReply::result(request.operation, kOldPasswordWrong);
    if (!validPassword(request.text("innewpassword")))
        return SoapReply::result(request.operation, kBadNewPassword);
    m_context.accounts.setPassword(request.regphoneid, request.text("innewpassword"));
    return SoapReply::result(request.operation, kOk);
}

std::string AccountOperations::memberInfo(const SoapRequest& request)
{
    const auto a = m_context.accounts.find(request.regphoneid);
    DataSetWriter rows(request.operation, "ds",
        { "clientno", "idcard", "idtype", "sex", "contactname", "contactid", "email", "street", "city", "state",
            "country", "postcode", "meetcall", "messagesender", "comment", "modifytime", "userid", "ipaddress" });
    if (a)
        rows.add({ std::to_string(a->clientno), a->idcard, std::to_string(a->idtype), std::to_string(a->sex),
            a->contactname, a->contactid, a->email, a->street, a->city, a->state, a->country, a->postcode, a->meetcall,
            a->messagesender, a->comment, a->modifytime, "pcadm", a->ipaddress });
    return rows.finish();
}

std::string AccountOperations::saveProfile(const SoapRequest& request)
{
    if (request.number("inoprflag") != 1)
        return SoapReply::result(request.operation, kUnknownOperationFlag);
    auto a = m_context.accounts.find(request.regphoneid);
    if (!a)
        return SoapReply::result(request.operation, kUnknownAccount);
    const int idtype = request.number("inidtype");
    const int sex = request.number("insex");
    if (idtype < 0 || idtype > 5 || sex < 0 || sex > 2)
        return SoapReply::result(request.operation, kBadProfile);
    for (const char* field : { "inidcard", "incontactid", "inemail", "instreet", "incity", "instate", "incountry",
             "postcode", "incomment", "contactname" }) {
        if (utf8text::length(request.text(field)) > kMaxProfileField)
            return SoapReply::result(request.operation, kBadProfile);
    }
    const std::string& email = request.text("inemail");
    if (!email.empty() && (email.find('@') == std::string::npos || email.find(' ') != std::string::npos))
        return SoapReply::result(request.operation, kBadProfile);
    const std::string& meetcall = request.text("inmeetcall");
    if (!meetcall.empty() && !phone::isHostNumber(meetcall))
        return SoapReply::result(request.operation, kBadHostNumber);
    if (utf8text::length(request.text("inmessagesender")) > kMaxSmsSignature)
        return SoapReply::result(request.operation, kBadSmsSignature);
    a->idcard = request.text("inidcard");
    a->idtype = idtype;
    a->sex = sex;
    a->contactid = request.text("incontactid");
    a->email = email;
    a->street = request.text("instreet");
    a->city = request.text("incity");
    a->state = request.text("instate");
    a->country = request.text("incountry");
    a->postcode = request.text("postcode");
    a->meetcall = meetcall;
    a->messagesender = request.text("inmessagesender");
    a->comment = request.text("incomment");
    a->contactname = request.text("contactname");
    m_context.accounts.saveProfile(*a);
    return SoapReply::result(request.operation, kOk);
}

std::string AccountOperations::balance(const SoapRequest& request)
{
    const auto a = m_context.accounts.find(request.regphoneid);
    if (!a)
        return SoapReply::result(request.operation, kUnknownAccount);
    return SoapReply::result(
        request.operation, "0", { { "outbalance", yuanText(a->balance) }, { "outexptime", a->expiry } });
}

std::string AccountOperations::setMeetCall(const SoapRequest& request)
{
    const std::string& meetcall = request.text("inmeetcal");
    if (!phone::isHostNumber(meetcall))
        return SoapReply::result(request.operation, kBadHostNumber);
    m_context.accounts.setMeetCall(request.regphoneid, meetcall);
    return SoapReply::result(request.operation, kOk);
}

std::string AccountOperations::setMessageSender(const SoapRequest& request)
{
    const std::string sender = utf8text::trim(request.text("inmessagesender"));
    if (utf8text::length(sender) > kMaxSmsSignature)
        return SoapReply::result(request.operation, kBadSmsSignature);
    m_context.accounts.setMessageSender(request.regphoneid, sender);
    return SoapReply::result(request.operation, kOk);
}

std::string AccountOperations::transfer(const SoapRequest& request)
{
    const std::string& from = request.regphoneid;
    const std::string& to = request.text("intoregphoneid");
    const int amount = request.number("inrecharge");
    const auto password = m_context.accounts.password(from);
    if (!password || *password != request.text("inoutclientpassword"))
        return SoapReply::result(request.operation, kWrongPassword);
    if (request.number("inprocessstate") != kTransferProcessState || request.number("inrechargeadd") != 0)
        return SoapReply::result(request.operation, kUnknownOperationFlag);
    if (amount <= 0)
        return SoapReply::result(request.operation, kBadAmount);
    if (to == from)
        return SoapReply::result(request.operation, kTransferToSelf);
    if (!m_context.accounts.password(to))
        return SoapReply::result(request.operation, kUnknownTargetAccount);

    if (!m_context.accounts.transfer(from, to, amount, request.text("inremark")))
        return SoapReply::result(request.operation, kInsufficientBalance);
    return SoapReply::result(request.operation, kOk);
}

std::string AccountOperations::roomInfo(const SoapRequest& request)
{
    const auto a = m_context.accounts.find(request.regphoneid);
    DataSetWriter rows(request.operation, "ds", { "chairpersonpwd", "participantpwd" });
    if (a && !a->chairpersonpwd.empty())
        rows.add({ a->chairpersonpwd, a->participantpwd });
    return rows.finish();
}

std::string AccountOperations::resetRoom(const SoapRequest& request)
{
    if (request.number("inoprflag") != 0 || request.number("inroomtype") != 0)
        return SoapReply::result(request.operation, kUnknownOperationFlag);
    std::string chair = RandomDigits::make(6);
    std::string participant = RandomDigits::make(6);
    while (participant == chair)
        participant = RandomDigits::make(6);
    m_context.accounts.setRoomPasswords(request.regphoneid, chair, participant);
    return SoapReply::result(request.operation, kOk);
}

std::string AccountOperations::noteNumber(const SoapRequest& request)
{
    const auto a = m_context.accounts.find(request.regphoneid);
    return SoapReply::result(request.operation, "0", { { "noteNo", a ? a->noteno : std::string() } });
}

} // namespace cvservice
