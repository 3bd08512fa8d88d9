#pragma once

#include <QDateTime>

#include <functional>
#include <optional>
#include <string>

// When an SMS goes out. An immediate send is stamped with the current time; a timed
// send must lie at least kMinimumLeadSeconds ahead, so that the service has it queued
// well before it is due.
namespace smsSchedule {

inline constexpr qint64 kMinimumLeadSeconds = 300;

// Where the page reads the current time; tests put their own in.
using Clock = std::function<QDateTime()>;
Clock systemClock();

// The send time as the service reads it ("YYYY-MM-DDThh:mm:ss"), or nothing when a
// timed send is too soon.
std::optional<std::string> sendTime(bool timed, const QDateTime& picked, const QDateTime& now);

} // namespace smsSchedule
