#include "core/account/AccountQueries.h"

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

constexpr year_month_day ymd(int y, unsigned m, unsigned d)
{
    return year_month_day(year(y), month(m), std::chrono::day(d));
}

} // namespace

TEST(AccountQueries, TheUpperBoundIsTheDayAfterTheRangeSoTheLastDayCountsWhole)
{
    const DateRange sameDay { ymd(2013, 6, 17), ymd(2013, 6, 17) };
    EXPECT_EQ(accountQueries::chargeWhere(ChargeKind::Conference, sameDay, "13800138000"),
        " meettime &gt;= '2013-06-17' and processtime &lt;='2013-06-18' and regphoneid ='13800138000'");
    EXPECT_EQ(accountQueries::chargeWhere(ChargeKind::Sms, sameDay, "13800138000"),
        " msgsendtime&gt;='2013-06-17' and msgsendtime &lt;='2013-06-18' ");
    EXPECT_EQ(accountQueries::recordingWhere(sameDay, "13800138000"),
        " meettime &gt;= '2013-06-17' and meettime &lt;='2013-06-18' and regphoneid ='13800138000'");
}

TEST(AccountQueries, TheDayAfterCrossesMonthsYearsAndLeapDays)
{
    const DateRange yearEnd { ymd(2013, 12, 1), ymd(2013, 12, 31) };
    EXPECT_EQ(accountQueries::chargeWhere(ChargeKind::Sms, yearEnd, ""),
        " msgsendtime&gt;='2013-12-01' and msgsendtime &lt;='2014-01-01' ");
    EXPECT_EQ(accountQueries::nextDay(ymd(2024, 2, 28)), ymd(2024, 2, 29));
    EXPECT_EQ(accountQueries::nextDay(ymd(2023, 2, 28)), ymd(2023, 3, 1));
}

TEST(AccountQueries, BillsOpenOnTheMonthToTodayRecordingsOnTomorrowsMonthToTomorrow)
{
    const DateRange bills = accountQueries::billDefaultRange(ymd(2026, 3, 31));
    EXPECT_EQ(bills.first, ymd(2026, 3, 1));
    EXPECT_EQ(bills.last, ymd(2026, 3, 31));

    const DateRange midMonth = accountQueries::recordingDefaultRange(ymd(2026, 3, 15));
    EXPECT_EQ(midMonth.first, ymd(2026, 3, 1));
    EXPECT_EQ(midMonth.last, ymd(2026, 3, 16));
    // On a month's last day, tomorrow is in the next month and so is the range.
    const DateRange lastDay = accountQueries::recordingDefaultRange(ymd(2026, 12, 31));
    EXPECT_EQ(lastDay.first, ymd(2027, 1, 1));
    EXPECT_EQ(lastDay.last, ymd(2027, 1, 1));
    EXPECT_EQ(accountQueries::recordingWhere(lastDay, "1"),
        " meettime &gt;= '2027-01-01' and meettime &lt;='2027-01-02' and regphoneid ='1'");
}
