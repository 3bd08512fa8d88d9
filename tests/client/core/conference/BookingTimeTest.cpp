// When a conference may be booked for, and how a booked time is read back.

#include "core/conference/BookingTime.h"

#include <gtest/gtest.h>

namespace {

using bookingTime::Verdict;

const QDateTime kNow(QDate(2026, 3, 4), QTime(10, 15, 30));

TEST(BookingTimeTest, NowIsTheEarliestAcceptedTime)
{
    EXPECT_EQ(bookingTime::check(kNow, kNow), Verdict::Accepted);
    EXPECT_EQ(bookingTime::check(kNow.addSecs(-1), kNow), Verdict::BeforeNow);
    EXPECT_EQ(bookingTime::check(kNow.addDays(-400), kNow), Verdict::BeforeNow);
}

TEST(BookingTimeTest, ThirtyWholeDaysAheadIsTheLatest)
{
    EXPECT_EQ(bookingTime::check(kNow.addDays(30).addSecs(23 * 3600), kNow), Verdict::Accepted);
    // Only whole days count: one second short of 31 days is still 30.
    EXPECT_EQ(bookingTime::check(kNow.addDays(31).addSecs(-1), kNow), Verdict::Accepted);
    EXPECT_EQ(bookingTime::check(kNow.addDays(31), kNow), Verdict::TooFar);
}

TEST(BookingTimeTest, AMeetingTimeIsReadByPosition)
{
    EXPECT_EQ(bookingTime::parse("2026-03-05T09:30:15"), QDateTime(QDate(2026, 3, 5), QTime(9, 30, 15)));
    // The booked list's own spelling and a longer text read the same.
    EXPECT_EQ(bookingTime::parse("2026-03-05 09:30:15.000"), QDateTime(QDate(2026, 3, 5), QTime(9, 30, 15)));
    EXPECT_FALSE(bookingTime::parse("2026-03-05T09:30").isValid());
    EXPECT_FALSE(bookingTime::parse("2026-02-30T09:30:00").isValid());
    EXPECT_FALSE(bookingTime::parse("2026-0x-05T09:30:00").isValid());
    EXPECT_FALSE(bookingTime::parse("").isValid());
}

TEST(BookingTimeTest, ANewBookingIsOfferedTheNextWholeHourHalfAnHourAway)
{
    EXPECT_EQ(bookingTime::suggested(kNow), QDateTime(QDate(2026, 3, 4), QTime(11, 0)));
    EXPECT_EQ(bookingTime::suggested(QDateTime(QDate(2026, 3, 4), QTime(10, 30))),
        QDateTime(QDate(2026, 3, 4), QTime(11, 0)));
    EXPECT_EQ(bookingTime::suggested(QDateTime(QDate(2026, 3, 4), QTime(10, 31))),
        QDateTime(QDate(2026, 3, 4), QTime(12, 0)));
    EXPECT_EQ(bookingTime::suggested(QDateTime(QDate(2026, 12, 31), QTime(23, 40))),
        QDateTime(QDate(2027, 1, 1), QTime(1, 0)));
}

} // namespace
