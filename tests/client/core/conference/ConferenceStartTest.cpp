#include "core/conference/ConferenceStart.h"
#include "core/conference/ConferenceJobs.h"

#include <gtest/gtest.h>

namespace {

const QDateTime kNow(QDate(2026, 3, 4), QTime(9, 5, 7));

ConferenceDraft draft()
{
    ConferenceDraft composed;
    composed.hostNumber = "13800138000";
    composed.topic = "周会";
    composed.phones = "13911110001,13911110002";
    composed.names = "王芳,";
    composed.participantCount = 2;
    composed.ipAddress = "192.168.1.1";
    return composed;
}

TEST(ConferenceStart, TheHostNumberIsCheckedBeforeTheParticipants)
{
    ConferenceDraft composed = draft();
    composed.hostNumber = "123456";
    composed.participantCount = 0;
    EXPECT_EQ(conferenceStart::check(composed, kNow).refusal, QStringLiteral("主持号码有误！"));

    composed.hostNumber = "1234567";
    EXPECT_EQ(conferenceStart::check(composed, kNow).refusal, QStringLiteral("至少需要一名参会人员！"));

    composed.participantCount = 1;
    EXPECT_TRUE(conferenceStart::check(composed, kNow).record);
}

TEST(ConferenceStart, TheRecordCarriesTheDraftAsAnInstantConferenceStartingNow)
{
    ConferenceDraft composed = draft();
    composed.topic.clear();
    composed.muteAll = true;
    composed.smsNotice = true;
    const ConferenceStartCheck checked = conferenceStart::check(composed, kNow);
    ASSERT_TRUE(checked.record);
    const ConferenceRecord& record = *checked.record;
    EXPECT_EQ(record.topic, "无");
    EXPECT_EQ(record.meetingTime, "2026-03-04T09:05:07");
    EXPECT_EQ(record.phones, "13911110001,13911110002");
    EXPECT_EQ(record.names, "王芳,");
    EXPECT_EQ(record.type, ConferenceRecord::Instant);
    EXPECT_EQ(
        std::tie(record.muteAll, record.smsNotice, record.autoRecall, record.recording), std::make_tuple(1, 1, 0, 0));
    EXPECT_EQ(record.ipAddress, "192.168.1.1");
    EXPECT_TRUE(record.conferenceId.empty());
}

TEST(ConferenceReplies, ACreateNamesItsConferenceOnlyWithAnIdOfTenCharacters)
{
    const ConferenceReply created = conferenceReply::readCreateResult("2026030400\r");
    EXPECT_TRUE(created.succeeded());
    EXPECT_EQ(created.conferenceId, "2026030400");

    const ConferenceReply refused = conferenceReply::readCreateResult("1002\r");
    EXPECT_EQ(refused.code, 1002);
    EXPECT_TRUE(refused.conferenceId.empty());

    // Nine characters are an error code, and a zero or nothing is no conference.
    EXPECT_EQ(conferenceReply::readCreateResult("123456789\r").code, 123456789);
    for (const char* text : { "", "0\r" }) {
        const ConferenceReply nothing = conferenceReply::readCreateResult(text);
        EXPECT_FALSE(nothing.succeeded()) << text;
        EXPECT_FALSE(nothing.message.isEmpty()) << text;
    }
}

TEST(ConferenceReplies, AControlReadsTheCodeOfItsFirstRow)
{
    EXPECT_TRUE(conferenceReply::readControlResult("").succeeded());
    EXPECT_TRUE(conferenceReply::readControlResult("0\r").succeeded());
    EXPECT_EQ(conferenceReply::readControlResult("1007\rmore\n0\r").code, 1007);
}

} // namespace
