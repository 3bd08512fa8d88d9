#include "core/account/ChargeListing.h"
#include "core/account/RecordingListing.h"

#include <gtest/gtest.h>

using namespace std::chrono;
using View = ChargeListing::View;

namespace {

constexpr year_month_day ymd(int y, unsigned m, unsigned d)
{
    return year_month_day(year(y), month(m), std::chrono::day(d));
}

const DateRange kJune { ymd(2013, 6, 16), ymd(2013, 6, 18) };

// conferenceid, meetcall, meettime, processtime, times, charge, chargeyuan
const std::string kConferences = "2013061721402201\r13800138000\r2013-06-17T21:40:22\r2013-06-17T22:10:05\r90\r1234\r"
                                 "12.34\r\n"
                                 "2013061809000001\r13800138000\r2013-06-18T09:00:00\r2013-06-18T09:30:00\r30\r450\r"
                                 "4.50\r\n"
                                 "2013061809300002\r13900139000\r2013-06-18T09:30:59\r2013-06-18T10:00:00\r60\r5\r"
                                 "0.05\r";

std::vector<std::string> row(const ChargeListing& listing, int index, View view)
{
    std::vector<std::string> cells;
    for (int column = 0; column < listing.columnCount(); ++column)
        cells.push_back(listing.cell(index, column, view));
    return cells;
}

} // namespace

TEST(ChargeListing, AQueryShowsMinutesAndYuanTheFilterTheSecondsAndHundredthsAsSent)
{
    ChargeListing listing(ChargeKind::Conference);
    listing.load(kConferences, kJune);
    ASSERT_EQ(listing.rowCount(), 3);
    EXPECT_EQ(row(listing, 0, View::Query),
        (std::vector<std::string> {
            "2013061721402201", "13800138000", "2013-06-17 21:40", "2013-06-17 22:10", "12.34" }));
    EXPECT_EQ(row(listing, 0, View::Filter),
        (std::vector<std::string> {
            "2013061721402201", "13800138000", "2013-06-17 21:40:22", "2013-06-17 22:10:05", "1234" }));
    EXPECT_EQ(listing.cell(2, 4, View::Query), "0.05");
}

TEST(ChargeListing, MessageChargesShowTheSendTimeToTheSecondEitherWay)
{
    ChargeListing listing(ChargeKind::Sms);
    listing.load("13911110001\r2013-06-17T18:00:00\r10\r\n13911110002\r2013-06-18T18:00:01.5\r1234\r", kJune);
    ASSERT_EQ(listing.rowCount(), 2);
    EXPECT_EQ(
        row(listing, 1, View::Query), (std::vector<std::string> { "13911110002", "2013-06-18 18:00:01", "12.34" }));
    EXPECT_EQ(
        row(listing, 1, View::Filter), (std::vector<std::string> { "13911110002", "2013-06-18 18:00:01", "1234" }));
    EXPECT_EQ(listing.totals(listing.allRows()).amount, 1244);
}

TEST(ChargeListing, TheFilterSearchesTheRowAsSentAndTheTotalsFollowIt)
{
    ChargeListing listing(ChargeKind::Conference);
    listing.load(kConferences, kJune);
    EXPECT_EQ(listing.rowsHolding("").size(), 3u);
    EXPECT_EQ(listing.rowsHolding("2013-06-18T09"), (std::vector<int> { 1, 2 }));
    // The row holds the hundredths and the service's own yuan; the list's "12.34"
    // after a query is found through the latter, "1234" through the former.
    EXPECT_EQ(listing.rowsHolding("1234"), (std::vector<int> { 0 }));
    EXPECT_EQ(listing.rowsHolding("12.34"), (std::vector<int> { 0 }));
    // The separators are part of the row: a phone followed by the next field.
    EXPECT_EQ(listing.rowsHolding("13900139000\r2013"), (std::vector<int> { 2 }));
    EXPECT_TRUE(listing.rowsHolding("18T09:00 ").empty());

    const ChargeListing::Totals some = listing.totals(listing.rowsHolding("2013-06-18T09"));
    EXPECT_EQ(some.count, 2);
    EXPECT_EQ(some.minutes, 90);
    EXPECT_EQ(some.amount, 455);
    EXPECT_EQ(ChargeListing::yuanText(some.amount), "4.55");
    EXPECT_EQ(listing.totals({}).count, 0);
}

TEST(ChargeListing, ShortOrOddRowsShowWhatTheyHaveAndCountAsNothing)
{
    ChargeListing listing(ChargeKind::Conference);
    listing.load("2013061721402201\r13800138000\r\n\r\nx\ry\r2013-06-17\r\r\rabc\r", kJune);
    ASSERT_EQ(listing.rowCount(), 3);
    EXPECT_EQ(
        row(listing, 0, View::Query), (std::vector<std::string> { "2013061721402201", "13800138000", "", "", "0.00" }));
    EXPECT_EQ(row(listing, 1, View::Query), (std::vector<std::string> { "", "", "", "", "0.00" }));
    EXPECT_EQ(row(listing, 2, View::Filter), (std::vector<std::string> { "x", "y", "2013-06-17", "", "abc" }));
    EXPECT_FALSE(listing.row(1).day.ok());
    EXPECT_EQ(listing.totals(listing.allRows()).amount, 0);
    EXPECT_EQ(ChargeListing::columnCount(ChargeKind::Sms), 3);
    EXPECT_EQ(listing.cell(0, 7, View::Query), "");
}

TEST(ChargeListing, AnotherKindForgetsTheRows)
{
    ChargeListing listing(ChargeKind::Conference);
    listing.load(kConferences, kJune);
    listing.reset(ChargeKind::Sms);
    EXPECT_EQ(listing.rowCount(), 0);
    EXPECT_EQ(listing.kind(), ChargeKind::Sms);
}

TEST(ChargeListing, EveryDayOfTheRangeGetsItsAmountsDaysOutsideItNone)
{
    ChargeListing listing(ChargeKind::Conference);
    listing.load(kConferences + "\nz\r1\r2013-07-01T00:00:00\r\r\r999\r", kJune);
    const std::vector<ChargeListing::DayAmount> days = listing.dailyAmounts();
    ASSERT_EQ(days.size(), 3u);
    EXPECT_EQ(days[0].day, ymd(2013, 6, 16));
    EXPECT_EQ(days[0].amount, 0);
    EXPECT_EQ(days[1].amount, 1234);
    EXPECT_EQ(days[2].amount, 455);

    ChargeListing huge(ChargeKind::Sms);
    huge.load("1\r1900-01-01T00:00:00\r5\r\n2\r2013-06-18T00:00:00\r7\r", { ymd(1900, 1, 1), ymd(2013, 6, 18) });
    const auto capped = huge.dailyAmounts();
    ASSERT_EQ(capped.size(), std::size_t(ChargeListing::kMaxChartDays));
    EXPECT_EQ(capped.back().day, ymd(2013, 6, 18));
    EXPECT_EQ(capped.back().amount, 7);

    ChargeListing backwards(ChargeKind::Sms);
    backwards.load("", { ymd(2013, 6, 18), ymd(2013, 6, 1) });
    EXPECT_TRUE(backwards.dailyAmounts().empty());
}

TEST(RecordingListing, ColumnsComeFromTheirFieldsTheTimeToTheSecond)
{
    RecordingListing listing;
    // conferenceid, meetcall, meettime, meetrecfile, meettitle
    listing.load("2013061721402201\r13800138000\r2013-06-17T21:40:22\rhttp://h/r/1.mp3\r周会\r\n"
                 "2013061809000001\r13800138000\r2013-06-18T09:00:00\rhttp://h/r/2.mp3\r项目启动会\r\n"
                 "short\r");
    ASSERT_EQ(listing.rowCount(), 3);
    EXPECT_EQ(listing.cell(0, RecordingListing::ConferenceId), "2013061721402201");
    EXPECT_EQ(listing.cell(0, RecordingListing::Title), "周会");
    EXPECT_EQ(listing.cell(0, RecordingListing::HostNumber), "13800138000");
    EXPECT_EQ(listing.cell(0, RecordingListing::Time), "2013-06-17 21:40:22");
    EXPECT_EQ(listing.cell(0, RecordingListing::Hint), "");
    EXPECT_EQ(listing.address(1), "http://h/r/2.mp3");
    EXPECT_EQ(listing.address(2), "");
    EXPECT_EQ(listing.rowsHolding("项目"), (std::vector<int> { 1 }));
    EXPECT_EQ(listing.rowsHolding("").size(), 3u);
}
