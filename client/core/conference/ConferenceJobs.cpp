#include "core/conference/ConferenceJobs.h"

#include "core/service/ResultText.h"
#include "core/service/ServiceJob.h"

#include "cvsrv/CUtility.h"

#include <QCoreApplication>

namespace {

std::string firstField(const std::string& resultText)
{
    const std::vector<std::string> rows = ResultText::rows(resultText);
    if (rows.empty())
        return {};
    const std::vector<std::string> fields = ResultText::fields(rows.front());
    return fields.empty() ? std::string() : fields.front();
}

} // namespace

namespace conferenceReply {

ConferenceReply readCreateResult(const std::string& resultText)
{
    ConferenceReply reply;
    reply.resultText = resultText;
    const std::string first = firstField(resultText);
    if (first.size() >= kMinimumIdLength) {
        reply.conferenceId = first;
        reply.code = 0;
    } else {
        reply.code = ResultText::toInt(first);
        // "0" or nothing at all names no conference either: not a success.
        if (reply.code == 0) {
            reply.code = -1;
            reply.message = QCoreApplication::translate("ConferenceJobs", "没有收到会议编号，请稍后重试。");
        }
    }
    return reply;
}

void explain(CCvService& service, int status, ConferenceReply& reply)
{
    if (status != 0) {
        reply.code = -1;
        reply.message = QCoreApplication::translate("ConferenceJobs", "网络连接已断开,请稍后重试。");
        return;
    }
    if (reply.succeeded() || !reply.message.isEmpty())
        return;
    std::string text;
    service.GetSysMsgInfo(reply.code, text);
    std::string utf8;
    reply.message = QString::fromStdString(CUtility().ConvertUTF8(text.c_str(), utf8)).trimmed();
}

ConferenceReply readControlResult(const std::string& resultText)
{
    ConferenceReply reply;
    reply.resultText = resultText;
    reply.code = ResultText::toInt(firstField(resultText));
    return reply;
}

} // namespace conferenceReply

ConferenceReply CreateConferenceJob::operator()(CCvService& service, const Credentials& who) const
{
    const ConferenceRecord& r = m_record;
    std::string result;
    const int status = service.createConference(who.account.c_str(), who.password.c_str(), r.topic.c_str(),
        r.hostNumber.c_str(), r.phones.c_str(), r.names.c_str(), r.meetingTime.c_str(), r.ipAddress.c_str(),
        r.smsNotice, r.recording, r.autoRecall, r.muteAll, r.type, result);
    ConferenceReply reply = conferenceReply::readCreateResult(result);
    conferenceReply::explain(service, status, reply);
    return reply;
}

ConferenceReply ConferenceControlJob::operator()(CCvService& service, const Credentials& who) const
{
    std::string result;
    const int status = service.ConferenceControl(who.account.c_str(), who.password.c_str(), m_conferenceId.c_str(),
        static_cast<int>(m_command), m_phoneId.c_str(), result);
    ConferenceReply reply = conferenceReply::readControlResult(result);
    conferenceReply::explain(service, status, reply);
    return reply;
}
