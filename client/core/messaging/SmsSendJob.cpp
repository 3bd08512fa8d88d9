#include "core/messaging/SmsSendJob.h"

#include "core/service/ResultText.h"
#include "core/service/ServiceJob.h"

#include "cvsrv/CUtility.h"

#include <QCoreApplication>

SmsSendJob::SmsSendJob(std::string recipients, std::string message, std::string sendTime)
    : m_recipients(std::move(recipients))
    , m_message(std::move(message))
    , m_sendTime(std::move(sendTime))
{
}

SmsSendReply SmsSendJob::read(int status, const std::string& resultText)
{
    SmsSendReply reply;
    reply.resultText = resultText;
    if (status != 0) {
        // Whether the message went out is unknown; saying nothing would read as sent.
        reply.message = QCoreApplication::translate("SmsSendJob", "网络连接已断开,请稍后重试。");
        return reply;
    }
    if (resultText.empty())
        return reply;
    const std::vector<std::string> rows = ResultText::rows(resultText);
    const std::vector<std::string> fields
        = rows.empty() ? std::vector<std::string>() : ResultText::fields(rows.front());
    reply.code = ResultText::toInt(fields.empty() ? std::string_view() : std::string_view(fields.front()));
    if (reply.code == 0)
        reply.message = QCoreApplication::translate("SmsSendJob", "短信已经发送！");
    return reply;
}

SmsSendReply SmsSendJob::operator()(CCvService& service, const Credentials& who) const
{
    std::string result;
    const int status = service.clientsendmessage(
        who.account.c_str(), who.password.c_str(), m_recipients.c_str(), m_message.c_str(), m_sendTime.c_str(), result);
    SmsSendReply reply = read(status, result);
    // A refusal: the service's own words for its code.
    if (reply.message.isEmpty() && !result.empty()) {
        std::string text;
        service.GetSysMsgInfo(reply.code, text);
        std::string utf8;
        reply.message = QString::fromStdString(CUtility().ConvertUTF8(text.c_str(), utf8)).trimmed();
    }
    return reply;
}
