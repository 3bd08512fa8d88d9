#pragma once

#include "core/conference/ConferenceRecord.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <string>

// What the scheduled page holds when the user books or saves a conference.
struct BookingDraft {
    QDateTime picked;
    std::string hostNumber;
    std::string topic;
    // Every participant's phone and name joined with ",", item for item.
    std::string phones;
    std::string names;
    int participantCount = 0;
    std::string ipAddress;
    bool smsNotice = false;
    bool recording = false;
    bool autoRecall = false;
    bool muteAll = false;
};

// The booking to send, or the words that refuse it.
struct BookingSendCheck {
    std::optional<ConferenceRecord> record;
    QString refusal;
};

namespace bookingSend {

// The checks in the order the user hears of them: the time (not before now, not more
// than 30 whole days ahead), the host number (not empty), at least one participant.
// The record is a booked conference (type 1) at the picked time; an empty topic is
// sent empty.
BookingSendCheck check(const BookingDraft& draft, const QDateTime& now);

} // namespace bookingSend
