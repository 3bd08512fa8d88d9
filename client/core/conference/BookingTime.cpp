#include "core/conference/BookingTime.h"

#include <charconv>

namespace bookingTime {

namespace {

constexpr qint64 kSecondsPerDay = 86400;

// The number at [first, first + length), or -1 when it is not all digits.
int numberAt(std::string_view text, std::size_t first, std::size_t length)
{
    int value = 0;
    const char* begin = text.data() + first;
    const auto [end, error] = std::from_chars(begin, begin + length, value);
    return error == std::errc() && end == begin + length ? value : -1;
}

} // namespace

Verdict check(const QDateTime& picked, const QDateTime& now)
{
    const qint64 seconds = now.secsTo(picked);
    if (seconds < 0)
        return Verdict::BeforeNow;
    if (seconds / kSecondsPerDay > kMaxWholeDays)
        return Verdict::TooFar;
    return Verdict::Accepted;
}

QDateTime parse(std::string_view meetingTime)
{
    if (meetingTime.size() < 19)
        return {};
    const QDate date(numberAt(meetingTime, 0, 4), numberAt(meetingTime, 5, 2), numberAt(meetingTime, 8, 2));
    const QTime time(numberAt(meetingTime, 11, 2), numberAt(meetingTime, 14, 2), numberAt(meetingTime, 17, 2));
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time);
}

QDateTime suggested(const QDateTime& now)
{
    const QDateTime later = now.addSecs(30 * 60 + 3599);
    return QDateTime(later.date(), QTime(later.time().hour(), 0));
}

BookingClock systemClock()
{
    return [] { return QDateTime::currentDateTime(); };
}

} // namespace bookingTime
