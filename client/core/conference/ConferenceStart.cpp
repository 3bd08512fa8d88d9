#include "core/conference/ConferenceStart.h"

#include <QCoreApplication>

namespace conferenceStart {

std::string meetingTimeText(const QDateTime& time)
{
    return time.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toStdString();
}

ConferenceStartCheck check(const ConferenceDraft& draft, const QDateTime& now)
{
    ConferenceStartCheck outcome;
    if (QString::fromStdString(draft.hostNumber).size() < kMinimumNumberLength) {
        outcome.refusal = QCoreApplication::translate("ConferenceStart", "主持号码有误！");
        return outcome;
    }
    if (draft.participantCount < 1) {
        outcome.refusal = QCoreApplication::translate("ConferenceStart", "至少需要一名参会人员！");
        return outcome;
    }
    ConferenceRecord record;
    record.hostNumber = draft.hostNumber;
    // The service's own word for "no topic": sent as it is, never translated.
    record.topic = draft.topic.empty() ? std::string("无") : draft.topic;
    record.autoRecall = draft.autoRecall ? 1 : 0;
    record.recording = draft.recording ? 1 : 0;
    record.muteAll = draft.muteAll ? 1 : 0;
    record.smsNotice = draft.smsNotice ? 1 : 0;
    record.type = ConferenceRecord::Instant;
    record.meetingTime = meetingTimeText(now);
    record.phones = draft.phones;
    record.names = draft.names;
    record.ipAddress = draft.ipAddress;
    outcome.record = std::move(record);
    return outcome;
}

} // namespace conferenceStart
