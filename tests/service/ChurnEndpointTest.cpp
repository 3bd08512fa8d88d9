#include "ServiceHarness.h"

#include "live/RawClient.h"

#include "cvsrv/CUtility.h"

#include <gtest/gtest.h>

#include <json/json.h>

#include <memory>
#include <optional>

namespace cvservice::test {
namespace {

using namespace std::chrono_literals;

Json::Value parsed(const std::string& text)
{
    Json::Value value;
    std::unique_ptr<Json::CharReader> reader(Json::CharReaderBuilder().newCharReader());
    reader->parse(text.data(), text.data() + text.size(), &value, nullptr);
    return value;
}

class ChurnEndpointTest : public ::testing::Test {
protected:
    static ServiceOptions withControl()
    {
        ServiceOptions options = ServiceHarness::defaults();
        options.faultControl = true;
        return options;
    }

    RawReply post(const std::string& fields)
    {
        return harness.postForm("/_control/churn",
            "{\"token\":\"" + harness.service().faultToken() + "\"" + (fields.empty() ? "" : ",") + fields + "}",
            "application/json");
    }

    ServiceHarness harness { withControl() };
};

TEST_F(ChurnEndpointTest, RefusesWhatItCannotStart)
{
    EXPECT_EQ(harness.postForm("/_control/churn", R"({"account":"13800138000"})", "application/json").status, 403);
    EXPECT_EQ(post(R"("account":"13700000000")").status, 404);
    EXPECT_EQ(post("").status, 404);
    for (const char* numbers : { R"("members":0)", R"("members":5001)", R"("changesPerSecond":0)",
             R"("changesPerSecond":101)", R"("seconds":"60")", R"("seconds":1.5)" }) {
        EXPECT_EQ(post(std::string(R"("account":"13800138000",)") + numbers).status, 400) << numbers;
    }
    EXPECT_EQ(harness.get("/_control/churn?conferenceid=2026120700001").status, 404);
    std::string text;
    int rows = -1;
    ASSERT_EQ(harness.client().Getcurrentconferencelist(kUser, kPassword, text, rows), 0);
    EXPECT_EQ(rows, 0) << "nothing was started";
}

TEST_F(ChurnEndpointTest, StartsAChurnThatAWatcherSetsOffAndThatEndsAsAnyConference)
{
    const RawReply started = post(R"("account":"13800138000","members":20,"changesPerSecond":40,"seconds":1)");
    ASSERT_EQ(started.status, 200) << started.body;
    const std::string id = parsed(started.body)["conferenceid"].asString();
    ASSERT_GT(id.size(), 9u);

    const Json::Value before = parsed(harness.get("/_control/churn?conferenceid=" + id).body);
    EXPECT_FALSE(before["begun"].asBool());
    EXPECT_FALSE(before["ended"].asBool());
    EXPECT_EQ(before["planned"].asInt(), 40);
    EXPECT_EQ(before["made"].asInt(), 0);
    ASSERT_EQ(before["members"].size(), 20u);
    EXPECT_EQ(before["members"]["13900000000"].size(), 1u);
    std::string text;
    int rows = -1;
    ASSERT_EQ(harness.client().Getcurrentconferencelist(kUser, kPassword, text, rows), 0);
    EXPECT_NE(text.find(id), std::string::npos) << "the account's running conference";

    RawClient monitor(static_cast<std::uint16_t>(harness.service().monitorPort()));
    char stamp[32] = {};
    CUtility().GetTimeStamp(stamp);
    monitor.send(RawClient::verifyText(kUser, kPassword, stamp));
    ASSERT_TRUE(monitor.message());
    monitor.send(RawClient::monitorText(kUser, id));
    const auto first = monitor.message();
    ASSERT_TRUE(first);
    EXPECT_NE((*first)["phonelist"].asString().find("成员0020|13900000019|"), std::string::npos);
    std::optional<Json::Value> last = first;
    while (last && (*last)["conferencestate"].asInt() == 1)
        last = monitor.message(3s);
    ASSERT_TRUE(last) << "the conference ends by itself";

    const Json::Value after = parsed(harness.get("/_control/churn?conferenceid=" + id).body);
    EXPECT_TRUE(after["begun"].asBool());
    EXPECT_TRUE(after["ended"].asBool());
    EXPECT_EQ(after["made"].asInt(), 40);
    std::size_t states = 0;
    for (const Json::Value& member : after["members"])
        states += member.size();
    EXPECT_EQ(states, 20u + 40u);
    EXPECT_TRUE(eventually([&] {
        harness.client().GetPastConference(kUser, kPassword, text, rows);
        return text.find("负载演练") != std::string::npos && text.find("13900000019") != std::string::npos;
    })) << "recorded as a past conference";
}

TEST(ChurnEndpointOffTest, WithoutFaultControlThereIsNoChurn)
{
    ServiceHarness harness;
    EXPECT_EQ(harness
                  .postForm("/_control/churn",
                      "{\"token\":\"" + harness.service().faultToken() + "\",\"account\":\"13800138000\"}",
                      "application/json")
                  .status,
        404);
}

} // namespace
} // namespace cvservice::test
