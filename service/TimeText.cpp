#include "TimeText.h"

#include <cctype>
#include <cstdio>

namespace cvservice::timetext {

namespace {

std::optional<int> digits(std::string_view text, std::size_t pos, std::size_t count)
{
    if (pos + count > text.size())
        return std::nullopt;
    int value = 0;
    for (std::size_t i = pos; i < pos + count; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

std::optional<std::time_t> make(int year, int month, int day, int hour, int minute, int second)
{
    if (year < 1970 || year > 2999 || month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59
        || second > 59)
        return std::nullopt;
    std::tm tm {};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    const std::time_t when = std::mktime(&tm);
    // mktime normalises 31 February into March; such a date was not a real one.
    if (when == static_cast<std::time_t>(-1) || tm.tm_mday != day || tm.tm_mon != month - 1)
        return std::nullopt;
    return when;
}

} // namespace

std::string format(std::time_t when)
{
    std::tm tm {};
    localtime_r(&when, &tm);
    char text[80];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
        tm.tm_hour, tm.tm_min, tm.tm_sec);
    return text;
}

std::string now()
{
    return format(std::time(nullptr));
}

std::string date(std::time_t when)
{
    return format(when).substr(0, 10);
}

std::string stamp(std::time_t when)
{
    std::string text = format(when);
    std::erase_if(text, [](char c) { return c == '-' || c == ':' || c == 'T'; });
    return text;
}

std::optional<std::time_t> parse(std::string_view text)
{
    const auto year = digits(text, 0, 4);
    const auto month = digits(text, 5, 2);
    const auto day = digits(text, 8, 2);
    if (!year || !month || !day || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    if (text.size() == 10)
        return make(*year, *month, *day, 0, 0, 0);
    if (text.size() != 16 && text.size() != 19)
        return std::nullopt;
    if ((text[10] != 'T' && text[10] != ' ') || text[13] != ':')
        return std::nullopt;
    const auto hour = digits(text, 11, 2);
    const auto minute = digits(text, 14, 2);
    std::optional<int> second = 0;
    if (text.size() == 19)
        second = text[16] == ':' ? digits(text, 17, 2) : std::nullopt;
    if (!hour || !minute || !second)
        return std::nullopt;
    return make(*year, *month, *day, *hour, *minute, *second);
}

std::optional<std::time_t> parseStamp(std::string_view stamp)
{
    if (stamp.size() != 14)
        return std::nullopt;
    const auto year = digits(stamp, 0, 4);
    const auto month = digits(stamp, 4, 2);
    const auto day = digits(stamp, 6, 2);
    const auto hour = digits(stamp, 8, 2);
    const auto minute = digits(stamp, 10, 2);
    const auto second = digits(stamp, 12, 2);
    if (!year || !month || !day || !hour || !minute || !second)
        return std::nullopt;
    return make(*year, *month, *day, *hour, *minute, *second);
}

} // namespace cvservice::timetext
