#include "ServiceHarness.h"

#include "StatusCodes.h"
#include "TimeText.h"
#include "operations/MessagingOperations.h"

#include <gtest/gtest.h>

namespace cvservice::test {
namespace {

class MessagingAndChargesTest : public ::testing::Test {
protected:
    std::vector<std::string> send(const char* phones, const char* message, const std::string& when)
    {
        std::string result;
        EXPECT_EQ(harness.client().clientsendmessage(kUser, kPassword, phones, message, when.c_str(), result), 0);
        const auto rows = rowsOf(result);
        EXPECT_EQ(rows.size(), 1u);
        return rows.empty() ? std::vector<std::string> {} : rows[0];
    }

    std::vector<std::vector<std::string>> smsCharges(const std::string& where)
    {
        std::string text;
        int rows = -1;
        EXPECT_EQ(harness.client().GetUserPhoneCharge(kUser, kPassword, where.c_str(), text, rows), 0);
        return rowsOf(text);
    }

    // The filters exactly as the bill and recording windows write them.
    static std::string conferenceWhere(const std::string& from, const std::string& to, const char* user = kUser)
    {
        return " meettime &gt;= '" + from + "' and processtime &lt;='" + to + "' and regphoneid ='" + user + "'";
    }
    static std::string smsWhere(const std::string& from, const std::string& to)
    {
        return " msgsendtime&gt;='" + from + "' and msgsendtime &lt;='" + to + "' ";
    }
    static std::string day(long offsetDays) { return timetext::date(std::time(nullptr) + offsetDays * 86400); }

    ServiceHarness harness;
};

TEST_F(MessagingAndChargesTest, SendingCountsChargesAndLists)
{
    const auto sent = send("13911110001, 13911110002,,13911110003,", "明天上午九点开会[张明]", timeFromNow(0));
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[0], "0");
    EXPECT_EQ(sent[1], "3") << "one message per number; empty items are skipped";
    EXPECT_EQ(sent[2], "");

    const std::string longText(134, 'x');
    const auto twoParts = send("13911110004", longText.c_str(), timeFromNow(0));
    EXPECT_EQ(twoParts[1], "2") << "134 characters go out in two parts of 67";

    std::string balance;
    std::string expiry;
    ASSERT_EQ(harness.client().GetClientBalance(kUser, kPassword, balance, expiry), 0);
    EXPECT_EQ(balance, "587.50");

    const auto today = smsCharges(smsWhere(day(0), day(1)));
    ASSERT_EQ(today.size(), 4u) << "only today's messages, not the demo history";
    for (const auto& row : today)
        ASSERT_EQ(row.size(), 3u);
    EXPECT_EQ(today[0][0], "13911110004");
    EXPECT_EQ(today[0][2], "20");
    EXPECT_EQ(smsCharges("").size(), 12u) << "no filter lists everything";
}

TEST_F(MessagingAndChargesTest, BlockedKeywordsAndBadInputAreRefused)
{
    auto blocked = send("13911110001", "代开发票，联系我", timeFromNow(0));
    ASSERT_EQ(blocked.size(), 3u);
    EXPECT_EQ(blocked[0], std::to_string(kBlockedKeyword));
    EXPECT_EQ(blocked[1], "0");
    EXPECT_EQ(blocked[2], "发票,代开");

    EXPECT_EQ(send("13911110001", "   ", timeFromNow(0))[0], std::to_string(kEmptyMessage));
    EXPECT_EQ(send("", "你好", timeFromNow(0))[0], std::to_string(kNoRecipients));
    EXPECT_EQ(send("1391111000a", "你好", timeFromNow(0))[0], std::to_string(kNoRecipients));
    EXPECT_EQ(send("13911110001", std::string(251, 'a').c_str(), timeFromNow(0))[0], std::to_string(kMessageTooLong));
    EXPECT_EQ(send("13911110001", "你好", "tomorrow")[0], std::to_string(kBadSendTime));
    EXPECT_EQ(send("13911110001", "你好", timeFromNow(-2 * 86400))[0], std::to_string(kBadSendTime));
    EXPECT_EQ(smsCharges(smsWhere(day(-1), day(1))).size(), 0u) << "nothing refused was sent";
}

TEST_F(MessagingAndChargesTest, LimitsAtTheirEdges)
{
    std::string recipients;
    for (std::size_t i = 0; i < MessagingOperations::kMaxRecipients; ++i)
        recipients += std::to_string(13700000000LL + static_cast<long long>(i)) + ",";
    const auto full = send(recipients.c_str(), "你好", timeFromNow(0));
    ASSERT_EQ(full.size(), 3u);
    EXPECT_EQ(full[0], "0");
    EXPECT_EQ(full[1], std::to_string(MessagingOperations::kMaxRecipients));
    EXPECT_EQ(send((recipients + "13600000000").c_str(), "你好", timeFromNow(0))[0], std::to_string(kNoRecipients));

    std::string longest;
    for (std::size_t i = 0; i < MessagingOperations::kMaxLength; ++i)
        longest += "字"; // characters count, not bytes
    EXPECT_EQ(send("13911110001", longest.c_str(), timeFromNow(0))[0], "0");
    EXPECT_EQ(send("13911110001", (longest + "a").c_str(), timeFromNow(0))[0], std::to_string(kMessageTooLong));
    EXPECT_EQ(smsCharges(smsWhere(day(0), day(1))).size(), MessagingOperations::kMaxRecipients + 1)
        << "only what was accepted went out";
}

TEST_F(MessagingAndChargesTest, OneMessageHoldsSeventyCharactersAPartSixtySeven)
{
    const auto partsOf = [this](std::size_t characters) {
        std::string text;
        for (std::size_t i = 0; i < characters; ++i)
            text += i % 2 ? "会" : "a";
        return send("13911110001", text.c_str(), timeFromNow(0)).at(1);
    };
    EXPECT_EQ(partsOf(70), "1");
    EXPECT_EQ(partsOf(71), "2");
    EXPECT_EQ(partsOf(134), "2");
    EXPECT_EQ(partsOf(135), "3");
    const auto rows = smsCharges(smsWhere(day(0), day(1)));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0][2], "30") << "charged by the parts it went out in";
}

TEST_F(MessagingAndChargesTest, ALaterSendKeepsItsTime)
{
    const std::string later = timeFromNow(3 * 86400);
    EXPECT_EQ(send("13911110001", "三天后的提醒", later)[0], "0");
    const auto rows = smsCharges(smsWhere(day(2), day(5)));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][1], later);
}

TEST_F(MessagingAndChargesTest, ConferenceChargeFilters)
{
    std::string text;
    int rows = 0;
    ASSERT_EQ(
        harness.client().getUserconference(kUser, kPassword, conferenceWhere(day(-60), day(1)).c_str(), text, rows), 0);
    EXPECT_EQ(rows, 12);
    ASSERT_EQ(
        harness.client().getUserconference(kUser, kPassword, conferenceWhere(day(-10), day(1)).c_str(), text, rows), 0);
    EXPECT_EQ(rows, 3) << "conferences 2, 5 and 9 days ago";
    for (const auto& row : rowsOf(text)) {
        ASSERT_EQ(row.size(), 7u);
        EXPECT_EQ(std::atoi(row[5].c_str()), std::atoi(row[4].c_str()) * 15);
        EXPECT_NEAR(std::stod(row[6]) * 100, std::stod(row[5]), 0.001);
    }

    // Someone else's records, and anything but the filters the client writes.
    for (const std::string& where :
        { conferenceWhere(day(-60), day(1), kOtherUser), std::string(" meettime >= '2026-01-01' or 1=1"),
            std::string(" meettime >= '2026-01-01'; DROP TABLE accounts"), std::string(" charge >= '0'"),
            std::string(" meettime >= 'yesterday'"), std::string(" meettime >= '2026-01-01") }) {
        ASSERT_EQ(harness.client().getUserconference(kUser, kPassword, where.c_str(), text, rows), 0);
        EXPECT_EQ(rows, 0) << where;
        EXPECT_TRUE(text.empty()) << where;
    }
    ASSERT_EQ(harness.client().UserClientLogin(kUser, kPassword, "1.1.1.1"), kOk) << "the store is intact";
}

TEST_F(MessagingAndChargesTest, RecordingsPointAtPlayableAudio)
{
    const std::string where
        = " meettime &gt;= '" + day(-60) + "' and meettime &lt;='" + day(1) + "' and regphoneid ='" + kUser + "'";
    std::string text;
    int rows = 0;
    ASSERT_EQ(harness.client().GetMeetingRecordFile(kUser, kPassword, where.c_str(), text, rows), 0);
    ASSERT_EQ(rows, 5);
    const auto list = rowsOf(text);
    ASSERT_EQ(list[0].size(), 5u);
    EXPECT_EQ(list[0][4], "周一例会");
    const std::string url = list[0][3];
    const std::string prefix = "http://127.0.0.1:" + std::to_string(harness.service().httpPort());
    ASSERT_EQ(url.rfind(prefix, 0), 0u) << url;
    const RawReply audio = harness.get(url.substr(prefix.size()));
    ASSERT_EQ(audio.status, 200);
    ASSERT_GT(audio.body.size(), 44u);
    EXPECT_EQ(audio.body.substr(0, 4), "RIFF");
    EXPECT_EQ(audio.body.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(harness.get("/recordings/123.wav").status, 404);
    EXPECT_EQ(harness.get("/recordings/..%2F..%2Fetc%2Fpasswd").status, 404);

    ASSERT_EQ(harness.client().GetMeetingRecordFile(kOtherUser, kOtherPassword, "", text, rows), 0);
    EXPECT_EQ(rows, 0) << "recordings are the owner's only";
}

} // namespace
} // namespace cvservice::test
