#include "core/conference/MonitorMessageDecoder.h"

#include <gtest/gtest.h>

namespace {

MonitorIgnored::Reason ignoredReason(const MonitorMessage& message)
{
    const auto* ignored = std::get_if<MonitorIgnored>(&message);
    EXPECT_NE(ignored, nullptr);
    return ignored ? ignored->reason : MonitorIgnored::Reason::NotJson;
}

} // namespace

TEST(MonitorMessageDecoderTest, VerifyAnswers)
{
    const MonitorMessage accepted = MonitorMessageDecoder::decode(R"({"key":"verify","value":"成功"})");
    ASSERT_TRUE(std::holds_alternative<MonitorVerifyAnswer>(accepted));
    EXPECT_TRUE(std::get<MonitorVerifyAnswer>(accepted).accepted());

    for (const char* refused : { R"({"key":"verify","value":"验证失败，帐号或密码错误"})",
             R"({"key":"verify","value":"成功 "})", R"({"key":"verify","value":1})", R"({"key":"verify"})" }) {
        const MonitorMessage answer = MonitorMessageDecoder::decode(refused);
        ASSERT_TRUE(std::holds_alternative<MonitorVerifyAnswer>(answer)) << refused;
        EXPECT_FALSE(std::get<MonitorVerifyAnswer>(answer).accepted()) << refused;
    }
}

TEST(MonitorMessageDecoderTest, MonitorCarriesStateAndList)
{
    struct Case {
        const char* text;
        int state;
        const char* list;
        bool ended;
    };
    const Case cases[] = {
        { R"({"key":"monitor","conferencestate":1,"phonelist":""})", 1, "", false },
        { R"({"key":"monitor","conferencestate":0,"phonelist":"张三|13911110001|1|1|0,李四|13911110002|0|1|0"})", 0,
            "张三|13911110001|1|1|0,李四|13911110002|0|1|0", false },
        { R"({"key":"monitor","conferencestate":2,"phonelist":"王|1|2|0|0"})", 2, "王|1|2|0|0", true },
        { R"({"key":"monitor","conferencestate":-1,"phonelist":""})", -1, "", true },
        { R"({"key":"monitor","conferencestate":1.0})", 1, "", false },
        { R"({"phonelist":"x","conferencestate":1,"key":"monitor"})", 1, "x", false },
    };
    for (const Case& c : cases) {
        const MonitorMessage message = MonitorMessageDecoder::decode(c.text);
        ASSERT_TRUE(std::holds_alternative<MonitorStatus>(message)) << c.text;
        const auto& status = std::get<MonitorStatus>(message);
        EXPECT_EQ(status.conferenceState, c.state) << c.text;
        EXPECT_EQ(status.phoneList, c.list) << c.text;
        EXPECT_EQ(status.ended(), c.ended) << c.text;
    }
}

TEST(MonitorMessageDecoderTest, MonitorWithoutAnIntegerStateIsIgnored)
{
    for (const char* text : { R"({"key":"monitor","conferencestate":"1","phonelist":""})",
             R"({"key":"monitor","conferencestate":1.5,"phonelist":""})",
             R"({"key":"monitor","conferencestate":true,"phonelist":""})",
             R"({"key":"monitor","conferencestate":99999999999,"phonelist":""})", R"({"key":"monitor","phonelist":""})",
             R"({"key":"monitor","conferencestate":1,"phonelist":7})" })
        EXPECT_EQ(ignoredReason(MonitorMessageDecoder::decode(text)), MonitorIgnored::Reason::BadStatus) << text;
}

TEST(MonitorMessageDecoderTest, ErrorTextIsItsPhonelistNotItsValue)
{
    const MonitorMessage message
        = MonitorMessageDecoder::decode(R"({"key":"error","value":"不是这个","phonelist":"会议不存在"})");
    ASSERT_TRUE(std::holds_alternative<MonitorError>(message));
    EXPECT_EQ(std::get<MonitorError>(message).text, "会议不存在");
}

TEST(MonitorMessageDecoderTest, UnknownKeysAndGarbageAreIgnored)
{
    EXPECT_EQ(ignoredReason(MonitorMessageDecoder::decode(R"({"key":"heartbeat","value":"1"})")),
        MonitorIgnored::Reason::UnknownKey);
    for (const char* text :
        { "", "not json", "{\"key\":\"monitor\"", "[1,2]", R"({"key":5})", R"({"value":"成功"})", "\"成功\"" })
        EXPECT_EQ(ignoredReason(MonitorMessageDecoder::decode(text)), MonitorIgnored::Reason::NotJson) << text;
    // Nested past the reader's limit: ignored, not thrown.
    const std::string deep = R"({"key":"monitor","phonelist":)" + std::string(2000, '[') + std::string(2000, ']') + "}";
    EXPECT_EQ(ignoredReason(MonitorMessageDecoder::decode(deep)), MonitorIgnored::Reason::NotJson);
}
