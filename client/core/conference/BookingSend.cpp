#include "core/conference/BookingSend.h"

#include "core/conference/BookingTime.h"
#include "core/conference/ConferenceStart.h"

#include <QCoreApplication>

namespace bookingSend {

BookingSendCheck check(const BookingDraft& draft, const QDateTime& now)
{
    BookingSendCheck outcome;
    switch (bookingTime::check(draft.picked, now)) {
    case bookingTime::Verdict::BeforeNow:
        outcome.refusal = QCoreApplication::translate("BookingSend", "预约会议的时间不能小于当前时间！");
        return outcome;
    case bookingTime::Verdict::TooFar:
        outcome.refusal = QCoreApplication::translate("BookingSend", "预约会议的时间不能大于当前时间之后一个月！");
        return outcome;
    case bookingTime::Verdict::Accepted:
        break;
    }
    if (draft.hostNumber.empty()) {
        outcome.refusal = QCoreApplication::translate("BookingSend", "主持人号码不能为空！");
        return outcome;
    }
    if (draft.participantCount < 1 || draft.phones.empty()) {
        outcome.refusal = QCoreApplication::translate("BookingSend", "至少有一个参会人员！");
        return outcome;
    }
    ConferenceRecord record;
    record.topic = draft.topic;
    record.hostNumber = draft.hostNumber;
    record.phones = draft.phones;
    record.names = draft.names;
    record.meetingTime = conferenceStart::meetingTimeText(draft.picked);
    record.ipAddress = draft.ipAddress;
    record.smsNotice = draft.smsNotice ? 1 : 0;
    record.recording = draft.recording ? 1 : 0;
    record.autoRecall = draft.autoRecall ? 1 : 0;
    record.muteAll = draft.muteAll ? 1 : 0;
    record.type = ConferenceRecord::Booked;
    outcome.record = std::move(record);
    return outcome;
}

} // namespace bookingSend
