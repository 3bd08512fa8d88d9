#include "core/account/AccountQueries.h"

#include <algorithm>
#include <cstdio>

namespace accountQueries {

namespace {

struct DayNumbers {
    int year;
    int month;
    int day;
};

DayNumbers numbers(std::chrono::year_month_day day)
{
    return { int(day.year()), int(unsigned(day.month())), int(unsigned(day.day())) };
}

template <typename... Args> std::string format(const char* pattern, Args... args)
{
    char buffer[160];
    const int length = std::snprintf(buffer, sizeof buffer, pattern, args...);
    return length < 0 ? std::string()
                      : std::string(buffer, std::min<std::size_t>(std::size_t(length), sizeof buffer - 1));
}

std::chrono::year_month_day firstOfMonth(std::chrono::year_month_day day)
{
    return day.year() / day.month() / std::chrono::day(1);
}

} // namespace

std::chrono::year_month_day nextDay(std::chrono::year_month_day day)
{
    return std::chrono::year_month_day(std::chrono::sys_days(day) + std::chrono::days(1));
}

std::string chargeWhere(ChargeKind kind, const DateRange& range, const std::string& regphoneid)
{
    const DayNumbers s = numbers(range.first);
    const DayNumbers e = numbers(nextDay(range.last));
    if (kind == ChargeKind::Sms)
        return format(" msgsendtime&gt;='%4d-%02d-%02d' and msgsendtime &lt;='%4d-%02d-%02d' ", s.year, s.month, s.day,
            e.year, e.month, e.day);
    return format(" meettime &gt;= '%4d-%02d-%02d' and processtime &lt;='%4d-%02d-%02d' and regphoneid ='", s.year,
               s.month, s.day, e.year, e.month, e.day)
        + regphoneid + "'";
}

std::string recordingWhere(const DateRange& range, const std::string& regphoneid)
{
    const DayNumbers s = numbers(range.first);
    const DayNumbers e = numbers(nextDay(range.last));
    return format(" meettime &gt;= '%4d-%02d-%02d' and meettime &lt;='%4d-%02d-%02d' and regphoneid ='", s.year,
               s.month, s.day, e.year, e.month, e.day)
        + regphoneid + "'";
}

DateRange billDefaultRange(std::chrono::year_month_day today)
{
    return { firstOfMonth(today), today };
}

DateRange recordingDefaultRange(std::chrono::year_month_day today)
{
    const std::chrono::year_month_day tomorrow = nextDay(today);
    return { firstOfMonth(tomorrow), tomorrow };
}

} // namespace accountQueries
