#include "core/messaging/SmsSchedule.h"

#include <gtest/gtest.h>

namespace {

const QDateTime kNow(QDate(2026, 3, 4), QTime(9, 58, 30));

TEST(SmsSchedule, ATimedSendMustBeFiveMinutesAhead)
{
    EXPECT_EQ(smsSchedule::sendTime(true, kNow.addSecs(300), kNow), std::optional<std::string>("2026-03-04T10:03:30"));
    EXPECT_EQ(smsSchedule::sendTime(true, kNow.addSecs(299), kNow), std::nullopt);
    EXPECT_EQ(smsSchedule::sendTime(true, kNow.addDays(-1), kNow), std::nullopt);
    EXPECT_EQ(smsSchedule::sendTime(true, QDateTime(), kNow), std::nullopt);
    // Across midnight and the year's end the seconds still count.
    const QDateTime lateNight(QDate(2026, 12, 31), QTime(23, 57, 0));
    EXPECT_EQ(smsSchedule::sendTime(true, QDateTime(QDate(2027, 1, 1), QTime(0, 2, 0)), lateNight),
        std::optional<std::string>("2027-01-01T00:02:00"));
}

TEST(SmsSchedule, AnImmediateSendIsStampedNowWhateverThePickerSays)
{
    EXPECT_EQ(
        smsSchedule::sendTime(false, kNow.addSecs(-3600), kNow), std::optional<std::string>("2026-03-04T09:58:30"));
}

} // namespace
