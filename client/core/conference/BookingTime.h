#pragma once

#include <QDateTime>

#include <functional>
#include <string_view>

// Where the scheduled page reads the current time; tests put their own in.
using BookingClock = std::function<QDateTime()>;

// When a conference may be booked for: not before now, and not more than 30 whole
// days ahead (30 days and 23 hours still are 30 whole days).
namespace bookingTime {

inline constexpr qint64 kMaxWholeDays = 30;

enum class Verdict { Accepted, BeforeNow, TooFar };

Verdict check(const QDateTime& picked, const QDateTime& now);

// A meeting time "YYYY-MM-DDThh:mm:ss" read by position (any separators), or an
// invalid time when the text is too short or names no real date and time.
QDateTime parse(std::string_view meetingTime);

// The time a new booking offers: the next whole hour at least half an hour away.
QDateTime suggested(const QDateTime& now);

BookingClock systemClock();

} // namespace bookingTime
