#include "core/conference/ConferenceListDecoder.h"
#include "core/service/ResultText.h"
#include "core/session/MemberProfile.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

std::string row(std::initializer_list<const char*> fields)
{
    std::string text;
    for (const char* field : fields)
        text += std::string(field) + "\r";
    return text;
}

TEST(ResultText, IntegersFollowAtoi)
{
    const struct {
        const char* text;
        int value;
    } cases[] = { { "42", 42 }, { " 7x", 7 }, { "-3", -3 }, { "+5", 5 }, { "abc", 0 }, { "", 0 },
        { "99999999999", INT_MAX }, { "-99999999999", INT_MIN }, { "1.5", 1 } };
    for (const auto& c : cases)
        EXPECT_EQ(ResultText::toInt(c.text), c.value) << c.text;
    EXPECT_EQ(ResultText::leadingDigits("-3"), 0);
}

TEST(ResultText, CutNeverSplitsACharacter)
{
    EXPECT_EQ(ResultText::cut("abc", 5), "abc");
    EXPECT_EQ(ResultText::cut("abcdef", 3), "abc");
    // "会议" is two three-byte characters: four bytes hold only the first.
    EXPECT_EQ(ResultText::cut("会议", 4), "会");
    EXPECT_EQ(ResultText::cut("会议", 2), "");
}

TEST(ConferenceListDecoder, RunningRowsFillEveryColumn)
{
    const std::string text = row({ "1234567890", "周会", "副题", "2026-01-02T03:04:05", "800", "1,2", "甲,乙", "0", "1",
                                 "0", "1", "1", "spare" })
        + "\n" + row({ "2000000000", "second" });
    const auto records = ConferenceListDecoder::running(text);
    ASSERT_EQ(records.size(), 2u);
    const ConferenceRecord& first = records[0];
    EXPECT_EQ(first.conferenceId, "1234567890");
    EXPECT_EQ(first.topic, "周会");
    EXPECT_EQ(first.secondTitle, "副题");
    EXPECT_EQ(first.meetingTime, "2026-01-02T03:04:05");
    EXPECT_EQ(first.hostNumber, "800");
    EXPECT_EQ(first.phones, "1,2");
    EXPECT_EQ(first.names, "甲,乙");
    EXPECT_EQ(first.type, 0);
    EXPECT_EQ(first.autoRecall, 1);
    EXPECT_EQ(first.smsNotice, 0);
    EXPECT_EQ(first.muteAll, 1);
    EXPECT_EQ(first.recording, 1);
    EXPECT_EQ(first.spareText, "spare");
    EXPECT_EQ(first.state, ConferenceRecord::Running);

    // A short row: missing columns keep a new record's values; the state is still set.
    ConferenceRecord expected;
    expected.conferenceId = "2000000000";
    expected.topic = "second";
    expected.state = ConferenceRecord::Running;
    EXPECT_EQ(records[1], expected);
}

TEST(ConferenceListDecoder, BookedRowsSkipTheSecondTitleAndType)
{
    const auto records = ConferenceListDecoder::booked(
        row({ "77", "预约", "2026-05-06T07:08:00", "801", "3", "丙", "1", "x", "1", "0", "ignored" }));
    ASSERT_EQ(records.size(), 1u);
    const ConferenceRecord& r = records[0];
    EXPECT_EQ(r.conferenceId, "77");
    EXPECT_EQ(r.topic, "预约");
    EXPECT_EQ(r.secondTitle, "");
    EXPECT_EQ(r.meetingTime, "2026-05-06T07:08:00");
    EXPECT_EQ(r.hostNumber, "801");
    EXPECT_EQ(r.phones, "3");
    EXPECT_EQ(r.names, "丙");
    EXPECT_EQ(r.type, 0);
    EXPECT_EQ(r.autoRecall, 1);
    EXPECT_EQ(r.smsNotice, 0); // non-numeric
    EXPECT_EQ(r.muteAll, 1);
    EXPECT_EQ(r.recording, 0);
    EXPECT_EQ(r.spareText, "");
    EXPECT_EQ(r.state, ConferenceRecord::NotStartedOrBooked);
}

TEST(ConferenceListDecoder, EmptyTextGivesNoRecords)
{
    EXPECT_TRUE(ConferenceListDecoder::running("").empty());
    EXPECT_TRUE(ConferenceListDecoder::booked("").empty());
}

TEST(MemberProfileUpdate, FillsTheProfileFromTheFirstRow)
{
    MemberProfile profile;
    profile.contactName = "kept";
    MemberProfileUpdate::decode(row({ "unused", "ID123  ", "3", "1", "unused", "139 ", "a@b.c", "街", "城", "省", "国",
                                    "100000", "800", "签名", "备注 \t", "x", "y", "z" })
        + "\n" + row({ "second", "row" }))
        .applyTo(profile);
    EXPECT_EQ(profile.idNumber, "ID123");
    EXPECT_EQ(profile.idType, 3);
    EXPECT_EQ(profile.sex, 1);
    EXPECT_EQ(profile.contactName, "kept");
    EXPECT_EQ(profile.contactPhone, "139");
    EXPECT_EQ(profile.email, "a@b.c");
    EXPECT_EQ(profile.street, "街");
    EXPECT_EQ(profile.city, "城");
    EXPECT_EQ(profile.province, "省");
    EXPECT_EQ(profile.country, "国");
    EXPECT_EQ(profile.postcode, "100000");
    EXPECT_EQ(profile.hostNumber, "800");
    EXPECT_EQ(profile.smsSignature, "签名");
    EXPECT_EQ(profile.remark, "备注");
}

TEST(MemberProfileUpdate, ShortOrEmptyResultsKeepThePreviousValues)
{
    MemberProfile profile;
    profile.email = "old@x";
    profile.remark = "old remark";

    MemberProfileUpdate::decode("").applyTo(profile);
    EXPECT_EQ(profile, [] {
        MemberProfile p;
        p.email = "old@x";
        p.remark = "old remark";
        return p;
    }());

    const MemberProfileUpdate shortRow = MemberProfileUpdate::decode(row({ "0", "ID", "two", "x", "", "555" }));
    shortRow.applyTo(profile);
    EXPECT_EQ(profile.idNumber, "ID");
    EXPECT_EQ(profile.idType, 0); // non-numeric reads as 0
    EXPECT_EQ(profile.sex, 0);
    EXPECT_EQ(profile.contactPhone, "555");
    EXPECT_EQ(profile.email, "old@x");
    EXPECT_EQ(profile.remark, "old remark");
}

} // namespace
