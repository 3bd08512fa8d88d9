#pragma once

#include "core/conference/ConferenceRecord.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <string>

// What the instant page has composed when the user starts the conference.
struct ConferenceDraft {
    std::string hostNumber;
    std::string topic;
    bool autoRecall = false;
    bool recording = false;
    bool muteAll = false;
    bool smsNotice = false;
    // The waiting list's numbers and names joined with ",", in the same order; an
    // unnamed participant leaves an empty name item.
    std::string phones;
    std::string names;
    int participantCount = 0;
    std::string ipAddress;
};

// The record to create, or why not: the host number is checked before the
// participants.
struct ConferenceStartCheck {
    std::optional<ConferenceRecord> record;
    QString refusal;
};

namespace conferenceStart {

inline constexpr int kMinimumNumberLength = 7;

// "YYYY-MM-DDThh:mm:ss", as the service reads a meeting time.
std::string meetingTimeText(const QDateTime& time);

// Collects the draft into an instant conference starting now: a host number of at
// least seven characters, at least one participant; an empty topic is sent as "无".
ConferenceStartCheck check(const ConferenceDraft& draft, const QDateTime& now);

} // namespace conferenceStart
