#include "core/account/SettingsJobs.h"

#include "core/service/ResultText.h"
#include "core/service/ServiceJob.h"

#include "cvsrv/CUtility.h"

#include <QCoreApplication>

namespace {

constexpr int kSaveProfile = 1;

QString connectionLost()
{
    return QCoreApplication::translate("SettingsJobs", "网络连接已断开,请稍后重试。");
}

// The service's words for a code. An exchange that failed has its own status, which
// is asked about like any other; when nothing comes back the user still reads why.
SettingsReply answer(CCvService& service, int code)
{
    SettingsReply reply;
    reply.code = code;
    if (code == 0)
        return reply;
    std::string text;
    service.GetSysMsgInfo(code, text);
    std::string utf8;
    reply.message = QString::fromStdString(CUtility().ConvertUTF8(text.c_str(), utf8)).trimmed();
    if (reply.message.isEmpty())
        reply.message = connectionLost();
    return reply;
}

std::string ansi(const std::string& utf8)
{
    return CUtility().Utf8toAnsi(utf8.c_str());
}

} // namespace

SettingsReply ProfileSaveJob::operator()(CCvService& service, const Credentials& who) const
{
    const MemberProfile& p = m_profile;
    std::string result;
    const int status
        = service.ClientPrivateInfo(who.account.c_str(), who.password.c_str(), ansi(p.idNumber).c_str(), p.idType,
            p.sex, ansi(p.contactPhone).c_str(), ansi(p.email).c_str(), ansi(p.street).c_str(), ansi(p.city).c_str(),
            ansi(p.province).c_str(), ansi(p.country).c_str(), ansi(p.postcode).c_str(), ansi(p.hostNumber).c_str(),
            ansi(p.smsSignature).c_str(), ansi(p.remark).c_str(), kSaveProfile, ansi(p.contactName).c_str(), result);
    if (status != 0) {
        // No answer is not "nothing to say": the typed profile must not vanish silently.
        SettingsReply reply;
        reply.code = status;
        reply.message = connectionLost();
        return reply;
    }
    const std::vector<std::string> rows = ResultText::rows(result);
    if (rows.empty()) {
        SettingsReply reply;
        reply.emptyResult = true;
        return reply;
    }
    const std::vector<std::string> fields = ResultText::fields(rows.front());
    return answer(service, fields.empty() ? 0 : ResultText::toInt(fields.front()));
}

SettingsReply PasswordChangeJob::operator()(CCvService& service, const Credentials& who) const
{
    return answer(service,
        service.ModifytPasswordByPhoneID(who.account.c_str(), who.password.c_str(), ansi(m_newPassword).c_str()));
}

SettingsReply MeetingSettingsJob::operator()(CCvService& service, const Credentials& who) const
{
    const int hostStatus = service.SetMeetCall(who.account.c_str(), who.password.c_str(), ansi(m_hostNumber).c_str());
    const int signatureStatus
        = service.SetMessagesender(who.account.c_str(), who.password.c_str(), ansi(m_smsSignature).c_str());
    return answer(service, hostStatus != 0 ? hostStatus : signatureStatus);
}

SettingsReply SmsSignatureJob::operator()(CCvService& service, const Credentials& who) const
{
    return answer(
        service, service.SetMessagesender(who.account.c_str(), who.password.c_str(), ansi(m_smsSignature).c_str()));
}

SettingsReply TransferJob::operator()(CCvService& service, const Credentials& who) const
{
    return answer(service,
        service.TransferAccount(who.account.c_str(), ansi(m_password).c_str(), ansi(m_toAccount).c_str(), m_hundredths,
            kRechargeAdd, kProcessState, ""));
}
