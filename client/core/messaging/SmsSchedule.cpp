#include "core/messaging/SmsSchedule.h"

#include "core/conference/ConferenceStart.h"

namespace smsSchedule {

Clock systemClock()
{
    return [] { return QDateTime::currentDateTime(); };
}

std::optional<std::string> sendTime(bool timed, const QDateTime& picked, const QDateTime& now)
{
    if (!timed)
        return conferenceStart::meetingTimeText(now);
    if (!picked.isValid() || now.secsTo(picked) < kMinimumLeadSeconds)
        return std::nullopt;
    return conferenceStart::meetingTimeText(picked);
}

} // namespace smsSchedule
