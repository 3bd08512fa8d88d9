#include "ServiceHarness.h"

#include "SignatureCheck.h"
#include "StatusCodes.h"
#include "operations/ConferenceOperations.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace cvservice::test {
namespace {

class ConferenceOperationsTest : public ::testing::Test {
protected:
    std::string create(const char* phones, const char* names, int type, const std::string& time,
        const char* host = kUser, const char* user = kUser, const char* password = kPassword)
    {
        std::string result;
        EXPECT_EQ(harness.client().createConference(user, password, "项目周会", host, phones, names, time.c_str(),
                      "192.168.1.1", 0, 1, 0, 0, type, result),
            0);
        const auto rows = rowsOf(result);
        return rows.empty() || rows[0].empty() ? std::string() : rows[0][0];
    }

    std::vector<std::vector<std::string>> list(
        int (CCvService::*operation)(const char*, const char*, std::string&, int&), const char* user = kUser,
        const char* password = kPassword)
    {
        std::string text;
        int count = -1;
        CCvService client = harness.client();
        EXPECT_EQ((client.*operation)(user, password, text, count), 0);
        auto rows = rowsOf(text);
        EXPECT_EQ(static_cast<std::size_t>(count), rows.size());
        return rows;
    }

    std::vector<std::vector<std::string>> members(const std::string& id)
    {
        std::string text;
        EXPECT_EQ(harness.client().GetMeetingMemberStatus(kUser, kPassword, id.c_str(), text), 0);
        return rowsOf(text);
    }

    int control(const std::string& id, int command, const char* phoneId = "")
    {
        std::string result;
        EXPECT_EQ(harness.client().ConferenceControl(kUser, kPassword, id.c_str(), command, phoneId, result), 0);
        return std::atoi(result.c_str());
    }

    // Sends the same call twice on purpose, to see what the operation makes of it.
    static ServiceOptions repeatable()
    {
        ServiceOptions options = ServiceHarness::defaults();
        options.refuseRepeats = false;
        return options;
    }

    ServiceHarness harness { repeatable() };
};

TEST_F(ConferenceOperationsTest, InstantConferenceRunsAndIsRecordedWhenItEnds)
{
    std::string balanceBefore;
    std::string expiry;
    ASSERT_EQ(harness.client().GetClientBalance(kUser, kPassword, balanceBefore, expiry), 0);

    const std::string id = create("13911110001,13911110002", "王芳,", 0, timeFromNow(0));
    ASSERT_GT(id.size(), 9u) << "a conference id is longer than any status code: " << id;

    const auto current = list(&CCvService::Getcurrentconferencelist);
    ASSERT_EQ(current.size(), 1u);
    ASSERT_EQ(current[0].size(), 13u);
    EXPECT_EQ(current[0][0], id);
    EXPECT_EQ(current[0][1], "项目周会");
    EXPECT_EQ(current[0][5], "13911110001,13911110002");
    EXPECT_EQ(current[0][6], "王芳,") << "an unnamed member keeps its empty place";
    EXPECT_EQ(current[0][11], "1");

    ASSERT_TRUE(eventually([&] {
        for (const auto& m : members(id)) {
            if (m.size() == 7 && m[3] == "1")
                return true;
        }
        return false;
    })) << "somebody answers in the fast simulation";

    std::string status;
    ASSERT_EQ(harness.client().GetMeetingStatus(kUser, kPassword, id.c_str(), status), 0);
    EXPECT_EQ(status, "1\r");

    EXPECT_EQ(control(id, 16), kOk);
    EXPECT_EQ(control(id, 4), kUnknownCommand);
    EXPECT_EQ(control("20000101000000"
                      "0001",
                  9),
        kNoSuchConference);
    EXPECT_EQ(control(id, 9), kOk);

    ASSERT_TRUE(eventually([&] { return list(&CCvService::Getcurrentconferencelist).empty(); }));
    ASSERT_TRUE(eventually([&] {
        std::string text;
        harness.client().GetMeetingStatus(kUser, kPassword, id.c_str(), text);
        return text == "2\r";
    }));
    EXPECT_EQ(control(id, 12), kConferenceEnded);

    const auto past = list(&CCvService::GetPastConference);
    ASSERT_FALSE(past.empty());
    ASSERT_EQ(past[0].size(), 10u);
    EXPECT_EQ(past[0][1], "项目周会") << "the newest past conference comes first";
    EXPECT_EQ(past[0][9], "2") << "members is the number of participants";

    std::string charges;
    int rows = 0;
    ASSERT_EQ(harness.client().getUserconference(kUser, kPassword, "", charges, rows), 0);
    const auto chargeRows = rowsOf(charges);
    ASSERT_FALSE(chargeRows.empty());
    EXPECT_EQ(chargeRows[0][0], id);
    const int minutes = std::atoi(chargeRows[0][4].c_str());
    const int charged = std::atoi(chargeRows[0][5].c_str());
    EXPECT_GT(minutes, 0);
    EXPECT_EQ(charged, minutes * 15);

    std::string balanceAfter;
    ASSERT_EQ(harness.client().GetClientBalance(kUser, kPassword, balanceAfter, expiry), 0);
    EXPECT_NEAR(std::stod(balanceBefore) - std::stod(balanceAfter), charged / 100.0, 0.001);
}

TEST_F(ConferenceOperationsTest, SmsNoticesGoToEveryParticipantWhenTheCallsStart)
{
    std::string result;
    ASSERT_EQ(harness.client().createConference(kUser, kPassword, "通知", kUser, "13911110001,13911110002", "甲,乙",
                  timeFromNow(0).c_str(), "", 1, 0, 0, 0, 0, result),
        0);
    const std::string id = rowsOf(result).at(0).at(0);
    const std::string today = timeFromNow(0).substr(0, 10);
    const std::string where = " msgsendtime&gt;='" + today + "' ";
    std::string text;
    int rows = 0;
    ASSERT_EQ(harness.client().GetUserPhoneCharge(kUser, kPassword, where.c_str(), text, rows), 0);
    ASSERT_EQ(rows, 2);
    EXPECT_EQ(rowsOf(text)[1][0], "13911110001");

    // A booking notifies nobody until it starts.
    ASSERT_EQ(harness.client().createConference(kUser, kPassword, "以后", kUser, "13911110003", "丙",
                  timeFromNow(86400).c_str(), "", 1, 0, 0, 0, 1, result),
        0);
    ASSERT_EQ(harness.client().GetUserPhoneCharge(kUser, kPassword, where.c_str(), text, rows), 0);
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(control(id, 9), kOk);
}

TEST_F(ConferenceOperationsTest, CompositionIsChecked)
{
    EXPECT_EQ(create("", "", 0, timeFromNow(0)), std::to_string(kNoParticipants));
    EXPECT_EQ(create("139x1110001", "甲", 0, timeFromNow(0)), std::to_string(kBadParticipant));
    EXPECT_EQ(create("13911110001", "甲", 0, timeFromNow(0), "123456"), std::to_string(kBadHostNumber));
    EXPECT_EQ(create("13911110001", "甲", 2, timeFromNow(0)), std::to_string(kBadMeetingType));
    EXPECT_EQ(create("13911110001", "甲", 1, "明天上午"), std::to_string(kBadMeetingTime));
    EXPECT_TRUE(list(&CCvService::Getcurrentconferencelist).empty());
}

// The client library cuts a long topic to fit, so a topic past the limit only
// arrives in a request written by hand.
TEST_F(ConferenceOperationsTest, CompositionLimitsAtTheirEdges)
{
    const std::string tomorrow = timeFromNow(86400);
    const auto phones = [](std::size_t count) {
        std::string list;
        for (std::size_t i = 0; i < count; ++i)
            list += (i == 0 ? "" : ",") + std::to_string(13900000000LL + static_cast<long long>(i));
        return list;
    };
    const auto book = [&](const std::string& topic, const std::string& phoneList) {
        char stamp[32] = {};
        CUtility().GetTimeStamp(stamp);
        const RawReply reply = harness.post(
            harness.envelope("createConference",
                "<inmeetname/><inmeettitle>" + topic + "</inmeettitle><inmeetcall>" + kUser
                    + "</inmeetcall><inmeetphone>" + phoneList
                    + "</inmeetphone><inphoneaddress/><inmeettype>1</inmeettype><inmeettime>" + tomorrow
                    + "</inmeettime><inmeetsmsflag>0</inmeetsmsflag><inmeetrecflag>0</inmeetrecflag>"
                      "<inautocall>0</inautocall><inshutup>0</inshutup><inuserid>pcadm</inuserid><inregphoneid>"
                    + kUser + "</inregphoneid><ipaddress/><timeticks>" + stamp + "</timeticks><strMD5Client>"
                    + SignatureCheck::expectedHash(kUser, kPassword, stamp) + "</strMD5Client>"),
            harness.action("createConference"));
        const std::string open = "<createConferenceResult>";
        const std::size_t from = reply.body.find(open);
        const std::size_t to = reply.body.find('<', from + 1);
        return from == std::string::npos ? reply.body : reply.body.substr(from + open.size(), to - from - open.size());
    };
    // Three bytes a character, topped up with ASCII to exactly the limit.
    std::string fullTopic;
    while (fullTopic.size() + 3 <= ConferenceOperations::kMaxTopicBytes)
        fullTopic += "会";
    fullTopic.append(ConferenceOperations::kMaxTopicBytes - fullTopic.size(), 'a');
    const std::string fullList = phones(ConferenceOperations::kMaxParticipants);

    const std::string id = book(fullTopic, fullList);
    ASSERT_GT(id.size(), 9u) << id;
    EXPECT_EQ(book(fullTopic + "a", "13911110001"), std::to_string(kBadTopic));
    EXPECT_EQ(book("会", phones(ConferenceOperations::kMaxParticipants + 1)), std::to_string(kTooManyParticipants));
    EXPECT_GT(book("会", fullList + ",,").size(), 9u) << "empty items are no participants";

    const auto booked = list(&CCvService::GetSubscribeCurrentConference);
    const auto row = std::find_if(booked.begin(), booked.end(), [&](const auto& r) { return r[0] == id; });
    ASSERT_NE(row, booked.end());
    EXPECT_EQ((*row)[1], fullTopic) << "stored whole, not cut";
    EXPECT_EQ((*row)[4], fullList);

    // A changed booking is held to the same limit.
    std::string result;
    const std::string tooMany = phones(ConferenceOperations::kMaxParticipants + 1);
    ASSERT_EQ(harness.client().ModifyBookConference(kUser, kPassword, id.c_str(), "会", kUser, tooMany.c_str(), "",
                  tomorrow.c_str(), "", 0, 0, 0, 0, 1, result),
        0);
    EXPECT_EQ(result, std::to_string(kTooManyParticipants) + "\r");
}

TEST_F(ConferenceOperationsTest, BookingTimeRules)
{
    const std::time_t now = std::time(nullptr);
    const long day = 86400;
    EXPECT_EQ(ConferenceOperations::checkBookingTime(now, now), kOk);
    EXPECT_EQ(ConferenceOperations::checkBookingTime(now - 60, now), kOk) << "slack for clocks and round trips";
    EXPECT_EQ(ConferenceOperations::checkBookingTime(now - 3600, now), kBookingInPast);
    EXPECT_EQ(ConferenceOperations::checkBookingTime(now + 30 * day + 23 * 3600, now), kOk);
    EXPECT_EQ(ConferenceOperations::checkBookingTime(now + 31 * day, now), kBookingTooFar);

    EXPECT_EQ(create("13911110001", "甲", 1, timeFromNow(-3600)), std::to_string(kBookingInPast));
    EXPECT_EQ(create("13911110001", "甲", 1, timeFromNow(31 * day)), std::to_string(kBookingTooFar));
    const std::string id = create("13911110001", "甲", 1, timeFromNow(30 * day + 3600));
    EXPECT_GT(id.size(), 9u);
}

TEST_F(ConferenceOperationsTest, BookingsAreChangedCancelledAndGuarded)
{
    const auto before = list(&CCvService::GetSubscribeCurrentConference);
    ASSERT_EQ(before.size(), 2u) << "the demo account has two bookings";

    const std::string id = create("13911110001,13911110002", "王芳,李娜", 1, timeFromNow(2 * 86400));
    ASSERT_GT(id.size(), 9u);
    auto booked = list(&CCvService::GetSubscribeCurrentConference);
    ASSERT_EQ(booked.size(), 3u);

    std::string result;
    const std::string later = timeFromNow(3 * 86400);
    ASSERT_EQ(harness.client().ModifyBookConference(kUser, kPassword, id.c_str(), "改期的会", kUser, "13911110003",
                  "张伟", later.c_str(), "1.1.1.1", 1, 0, 1, 1, 1, result),
        0);
    EXPECT_EQ(result, "0\r");
    booked = list(&CCvService::GetSubscribeCurrentConference);
    const auto changed = std::find_if(booked.begin(), booked.end(), [&](const auto& row) { return row[0] == id; });
    ASSERT_NE(changed, booked.end());
    EXPECT_EQ((*changed)[1], "改期的会");
    EXPECT_EQ((*changed)[2], later);
    EXPECT_EQ((*changed)[4], "13911110003");
    EXPECT_EQ((*changed)[5], "张伟");
    EXPECT_EQ((*changed)[6], "1");

    // Another account may neither change nor cancel it; the time rules hold for changes.
    ASSERT_EQ(harness.client().ModifyBookConference(kOtherUser, kOtherPassword, id.c_str(), "", kUser, "13911110003",
                  "", later.c_str(), "", 0, 0, 0, 0, 2, result),
        0);
    EXPECT_EQ(result, std::to_string(kNotYourConference) + "\r");
    const std::string past = timeFromNow(-7200);
    ASSERT_EQ(harness.client().ModifyBookConference(
                  kUser, kPassword, id.c_str(), "", kUser, "13911110003", "", past.c_str(), "", 0, 0, 0, 0, 1, result),
        0);
    EXPECT_EQ(result, std::to_string(kBookingInPast) + "\r");
    ASSERT_EQ(harness.client().ModifyBookConference(
                  kUser, kPassword, id.c_str(), "", kUser, "13911110003", "", later.c_str(), "", 0, 0, 0, 0, 7, result),
        0);
    EXPECT_EQ(result, std::to_string(kUnknownOperationFlag) + "\r");

    ASSERT_EQ(harness.client().ModifyBookConference(
                  kUser, kPassword, id.c_str(), "", kUser, "13911110003", "", later.c_str(), "", 0, 0, 0, 0, 2, result),
        0);
    EXPECT_EQ(result, "0\r");
    EXPECT_EQ(list(&CCvService::GetSubscribeCurrentConference).size(), 2u);
    ASSERT_EQ(harness.client().ModifyBookConference(
                  kUser, kPassword, id.c_str(), "", kUser, "13911110003", "", later.c_str(), "", 0, 0, 0, 0, 2, result),
        0);
    EXPECT_EQ(result, std::to_string(kNotBooked) + "\r") << "a cancelled booking stays cancelled";
}

TEST_F(ConferenceOperationsTest, ABookingStartsByItselfAtItsTime)
{
    const std::string id = create("13911110001", "王芳", 1, timeFromNow(0));
    ASSERT_GT(id.size(), 9u);
    ASSERT_TRUE(eventually([&] {
        const auto current = list(&CCvService::Getcurrentconferencelist);
        return current.size() == 1 && current[0][0] == id;
    }));
    for (const auto& row : list(&CCvService::GetSubscribeCurrentConference))
        EXPECT_NE(row[0], id);
    EXPECT_EQ(control(id, 9), kOk);
}

TEST_F(ConferenceOperationsTest, OnlyTheOwnerSeesAndControlsAConference)
{
    const std::string id = create("13911110001", "王芳", 0, timeFromNow(0));
    ASSERT_GT(id.size(), 9u);
    std::string result;
    ASSERT_EQ(harness.client().ConferenceControl(kOtherUser, kOtherPassword, id.c_str(), 9, "", result), 0);
    EXPECT_EQ(result, std::to_string(kNotYourConference) + "\r");
    ASSERT_EQ(harness.client().GetMeetingMemberStatus(kOtherUser, kOtherPassword, id.c_str(), result), 0);
    EXPECT_EQ(result, "") << "no member rows for a foreign conference";
    EXPECT_TRUE(list(&CCvService::Getcurrentconferencelist, kOtherUser, kOtherPassword).empty());
    EXPECT_EQ(control(id, 9), kOk);
}

TEST_F(ConferenceOperationsTest, AnEmptyAccountHasEmptyLists)
{
    EXPECT_TRUE(list(&CCvService::GetPastConference, kOtherUser, kOtherPassword).empty());
    EXPECT_TRUE(list(&CCvService::GetSubscribeCurrentConference, kOtherUser, kOtherPassword).empty());
    EXPECT_EQ(list(&CCvService::GetPastConference).size(), 12u) << "the demo history";
}

} // namespace
} // namespace cvservice::test
