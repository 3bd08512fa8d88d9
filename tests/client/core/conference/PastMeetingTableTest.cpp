// The past-conference table: how a row of GetPastConference becomes a record, how a
// meeting time is shown, which conferences a search keeps and which table index a
// shown row stands for.

#include "core/conference/PastMeetingTable.h"
#include "core/conference/ConferenceListDecoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

ConferenceRecord past(std::string topic, std::string time, std::string host, std::string phones)
{
    ConferenceRecord record;
    record.topic = std::move(topic);
    record.meetingTime = std::move(time);
    record.hostNumber = std::move(host);
    record.phones = std::move(phones);
    record.state = ConferenceRecord::Past;
    return record;
}

PastMeetingTable sampleTable()
{
    PastMeetingTable table;
    table.replace({
        past("周一例会", "2026-03-02T09:30:00", "13800138000", "13922220011,13922220012"),
        past("Product Review", "2026-02-27T15:00:00", "13800138000", "13922220011"),
        past("家庭聚会安排", "2026-02-24T20:00:00", "13700000000", "13911110001,13911110002"),
        past("周一例会", "2026-02-23T09:30:00", "13800138000", "13922220013"),
    });
    return table;
}

} // namespace

TEST(PastConferenceRowsTest, fieldsFollowTheirColumnsWithoutIdAndInThePastState)
{
    const std::string text = "2026-03-02T09:30:00\r周会\r13800138000\r139,138\r王芳,李娜\r1\r1\r0\r1\r3\r\n"
                             "2026-03-01T10:00:00\r短行\r13900139000\r";
    const std::vector<ConferenceRecord> records = ConferenceListDecoder::past(text);
    ASSERT_EQ(records.size(), 2u);
    const ConferenceRecord& first = records[0];
    EXPECT_TRUE(first.conferenceId.empty());
    EXPECT_EQ(first.state, ConferenceRecord::Past);
    EXPECT_EQ(first.meetingTime, "2026-03-02T09:30:00");
    EXPECT_EQ(first.topic, "周会");
    EXPECT_EQ(first.hostNumber, "13800138000");
    EXPECT_EQ(first.phones, "139,138");
    EXPECT_EQ(first.names, "王芳,李娜");
    EXPECT_EQ(first.smsNotice, 1);
    EXPECT_EQ(first.recording, 1);
    EXPECT_EQ(first.muteAll, 0);
    EXPECT_EQ(first.autoRecall, 1);
    EXPECT_EQ(first.spareNumber, 3);
    // A short row keeps the values of a new record where it has no columns.
    const ConferenceRecord& shortRow = records[1];
    EXPECT_EQ(shortRow.hostNumber, "13900139000");
    EXPECT_TRUE(shortRow.phones.empty());
    EXPECT_EQ(shortRow.recording, 0);
    EXPECT_EQ(shortRow.state, ConferenceRecord::Past);
}

TEST(PastMeetingTableTest, meetingTimeShowsABlankForTheTAndAtMostNineteenCharacters)
{
    EXPECT_EQ(PastMeetingTable::timeText("2026-03-02T09:30:00"), "2026-03-02 09:30:00");
    EXPECT_EQ(PastMeetingTable::timeText("2026-03-02T09:30:00.1230000+08:00"), "2026-03-02 09:30:00");
    EXPECT_EQ(PastMeetingTable::timeText("2026-03-02"), "2026-03-02");
    EXPECT_EQ(PastMeetingTable::timeText(""), "");
}

TEST(PastMeetingTableTest, aSearchIsLookedForInIdTopicTimeHostAndPhones)
{
    PastMeetingTable table = sampleTable();
    EXPECT_EQ(table.shownIndexes(""), (std::vector<int> { 0, 1, 2, 3 }));
    EXPECT_EQ(table.shownIndexes("例会"), (std::vector<int> { 0, 3 }));
    EXPECT_EQ(table.shownIndexes("02-24 20"), (std::vector<int> { 2 })) << "the time as shown, with its blank";
    EXPECT_EQ(table.shownIndexes("T20"), std::vector<int> {}) << "the T is not shown, so not found";
    EXPECT_EQ(table.shownIndexes("137000"), (std::vector<int> { 2 })) << "host number";
    EXPECT_EQ(table.shownIndexes("220013"), (std::vector<int> { 3 })) << "a phone of the participants";
    EXPECT_EQ(table.shownIndexes("review"), (std::vector<int> { 1 })) << "letters in either case";
    EXPECT_EQ(table.shownIndexes("REVIEW"), (std::vector<int> { 1 }));
    EXPECT_EQ(table.shownIndexes("例会x"), std::vector<int> {});

    ConferenceRecord withId = past("周会", "2026-03-02T09:30:00", "138", "139");
    withId.conferenceId = "2026030209300001";
    table.replace({ past("周会", "2026-03-02T09:30:00", "138", "139"), withId });
    EXPECT_EQ(table.shownIndexes("30000"), (std::vector<int> { 1 })) << "the conference id";
}

TEST(PastMeetingTableTest, aSearchNeverMatchesAcrossTwoFields)
{
    PastMeetingTable table;
    // Topic "ab" followed by the time, the time followed by the host "cd", the host by
    // the phones: none of these joins is a text of the conference.
    table.replace({ past("ab", "2026-01-01T08:00:00", "cd", "ef") });
    for (const char* across : { "b2026", "00cd", "00\ncd", "cdef", "d\ne" })
        EXPECT_TRUE(table.shownIndexes(across).empty()) << across;
    EXPECT_EQ(table.shownIndexes("ab").size(), 1u);
}

TEST(PastMeetingTableTest, shownRowsNameTheirTableIndexesWhenTheFirstAreHidden)
{
    const PastMeetingTable table = sampleTable();
    const std::vector<int> shown = table.shownIndexes("138000");
    ASSERT_EQ(shown, (std::vector<int> { 0, 1, 3 }));
    const std::vector<int> hidingTheFirst = table.shownIndexes("Review");
    ASSERT_EQ(hidingTheFirst.size(), 1u);
    EXPECT_EQ(table.at(hidingTheFirst[0])->topic, "Product Review");
    EXPECT_TRUE(table.isShown(3, "220013"));
    EXPECT_FALSE(table.isShown(0, "220013"));
    EXPECT_FALSE(table.isShown(4, "")) << "outside the table";
    EXPECT_EQ(table.at(-1), nullptr);
    EXPECT_EQ(table.at(4), nullptr);
}

TEST(PastMeetingTableTest, aNewLoadReplacesTheWholeTable)
{
    PastMeetingTable table = sampleTable();
    table.replace({ past("季度总结", "2026-01-10T09:30:00", "13800138000", "139") });
    EXPECT_EQ(table.count(), 1);
    EXPECT_EQ(table.shownIndexes("例会"), std::vector<int> {}) << "no search key of the old table is left";
    EXPECT_EQ(table.timeTextAt(0), "2026-01-10 09:30:00");
    table.clear();
    EXPECT_EQ(table.count(), 0);
    EXPECT_TRUE(table.shownIndexes("").empty());
}
