#pragma once

#include <QDate>

#include <chrono>

// The pickers' dates and the calendar days of the account rules.
namespace accountDates {

inline std::chrono::year_month_day toDay(const QDate& date)
{
    return std::chrono::year_month_day(std::chrono::year(date.year()), std::chrono::month(unsigned(date.month())),
        std::chrono::day(unsigned(date.day())));
}

inline QDate toDate(std::chrono::year_month_day day)
{
    return QDate(int(day.year()), int(unsigned(day.month())), int(unsigned(day.day())));
}

} // namespace accountDates
