#include "core/account/ChargeListing.h"

#include "core/account/RawRowFilter.h"

#include "core/service/ResultText.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr std::size_t kMinuteLength = 16; // "2013-06-17 21:40"
constexpr std::size_t kSecondLength = 19; // "2013-06-17 21:40:22"
constexpr std::size_t kDayLength = 10;

// Fields of a conference charge and of a message charge.
enum ConferenceField { ConferenceId, MeetCall, MeetTime, ProcessTime, Times, Charge };
enum SmsField { CalledId, SendTime, OriginCharge };

const std::string kNoField;

int digits(std::string_view text)
{
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// "YYYY-MM-DD" at the start of a time field; an invalid day otherwise.
std::chrono::year_month_day dayOf(std::string_view time)
{
    using namespace std::chrono;
    if (time.size() < kDayLength || time[4] != '-' || time[7] != '-')
        return year_month_day(year(0), month(0), day(0));
    const int y = digits(time.substr(0, 4));
    const int m = digits(time.substr(5, 2));
    const int d = digits(time.substr(8, 2));
    if (y < 0 || m < 0 || d < 0)
        return year_month_day(year(0), month(0), day(0));
    return year_month_day(year(y), month(unsigned(m)), day(unsigned(d)));
}

} // namespace

ChargeListing::ChargeListing(ChargeKind kind)
    : m_kind(kind)
{
}

void ChargeListing::reset(ChargeKind kind)
{
    m_kind = kind;
    clear();
}

void ChargeListing::clear()
{
    m_rows.clear();
}

void ChargeListing::load(const std::string& resultText, const DateRange& range)
{
    m_rows.clear();
    m_range = range;
    std::vector<std::string> texts = ResultText::rows(resultText);
    m_rows.reserve(texts.size());
    for (std::string& text : texts)
        m_rows.push_back(readRow(std::move(text)));
}

ChargeListing::Row ChargeListing::readRow(std::string text) const
{
    Row row;
    row.fields = ResultText::fields(text);
    row.text = std::move(text);
    if (m_kind == ChargeKind::Sms) {
        row.amount = ResultText::toInt(field(row, OriginCharge));
        row.day = dayOf(field(row, SendTime));
    } else {
        row.amount = ResultText::toInt(field(row, Charge));
        row.minutes = ResultText::toInt(field(row, Times));
        row.day = dayOf(field(row, MeetTime));
    }
    return row;
}

const std::string& ChargeListing::field(const Row& row, std::size_t index) const
{
    const std::string* value = ResultText::column(row.fields, index);
    return value ? *value : kNoField;
}

std::string ChargeListing::cell(int rowIndex, int column, View view) const
{
    const Row& r = row(rowIndex);
    const bool query = view == View::Query;
    if (m_kind == ChargeKind::Sms) {
        switch (column) {
        case 0:
            return field(r, CalledId);
        case 1:
            return timeText(field(r, SendTime), kSecondLength);
        case 2:
            return query ? yuanText(r.amount) : field(r, OriginCharge);
        default:
            return {};
        }
    }
    switch (column) {
    case 0:
        return field(r, ConferenceId);
    case 1:
        return field(r, MeetCall);
    case 2:
        return timeText(field(r, MeetTime), query ? kMinuteLength : kSecondLength);
    case 3:
        return timeText(field(r, ProcessTime), query ? kMinuteLength : kSecondLength);
    case 4:
        return query ? yuanText(r.amount) : field(r, Charge);
    default:
        return {};
    }
}

std::vector<int> ChargeListing::allRows() const
{
    return rawRowFilter::allRows(m_rows);
}

std::vector<int> ChargeListing::rowsHolding(std::string_view filter) const
{
    return rawRowFilter::rowsHolding(m_rows, filter);
}

ChargeListing::Totals ChargeListing::totals(const std::vector<int>& rows) const
{
    Totals totals;
    for (int index : rows) {
        const Row& r = row(index);
        ++totals.count;
        totals.minutes += r.minutes;
        totals.amount += r.amount;
    }
    return totals;
}

std::vector<ChargeListing::DayAmount> ChargeListing::dailyAmounts() const
{
    using namespace std::chrono;
    const int count = m_range.dayCount();
    if (count == 0)
        return {};
    const int shown = std::min(count, kMaxChartDays);
    const sys_days first = sys_days(m_range.last) - days(shown - 1);
    std::vector<DayAmount> result(static_cast<std::size_t>(shown));
    for (int i = 0; i < shown; ++i)
        result[std::size_t(i)].day = year_month_day(first + days(i));
    for (const Row& r : m_rows) {
        if (!r.day.ok())
            continue;
        const auto offset = (sys_days(r.day) - first).count();
        if (offset >= 0 && offset < shown)
            result[std::size_t(offset)].amount += r.amount;
    }
    return result;
}

std::string ChargeListing::yuanText(std::int64_t hundredths)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", double(hundredths) / 100);
    return buffer;
}

std::string ChargeListing::timeText(std::string_view field, std::size_t length)
{
    std::string text(field);
    std::replace(text.begin(), text.end(), 'T', ' ');
    return ResultText::cut(text, length);
}
