#include "core/conference/MonitorTexts.h"

#include <gtest/gtest.h>
#include <json/json.h>

#include <memory>

namespace {

// The members of a message's "value", which travels as a JSON text inside a string.
Json::Value valueOf(const std::string& message)
{
    Json::CharReaderBuilder builder;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value outer;
    Json::Value inner;
    std::string errors;
    EXPECT_TRUE(reader->parse(message.data(), message.data() + message.size(), &outer, &errors)) << message;
    const std::string value = outer["value"].asString();
    EXPECT_TRUE(reader->parse(value.data(), value.data() + value.size(), &inner, &errors)) << value;
    return inner;
}

} // namespace

TEST(MonitorTextsTest, VerifyIsSignedWithAccountPasswordStampAndSalt)
{
    // MD5("13800138000" "123456" "20130617214022" "QWZRT"), upper case.
    EXPECT_EQ(MonitorTexts::verify("13800138000", "123456", "20130617214022"),
        R"({"key":"verify","value":"{\"regphoneid\":\"13800138000\",\"timestamp\":\"20130617214022\",)"
        R"(\"hashcode\":\"5E43BC8925D9A89E0735CE4DBDB52F7C\"}"})");
}

TEST(MonitorTextsTest, MonitorRequestCarriesAccountAndConferenceId)
{
    EXPECT_EQ(MonitorTexts::monitorRequest("13800138000", "2013061721402201"),
        R"({"key":"monitor","value":"{\"regphoneid\":\"13800138000\",\"conferenceid\":\"2013061721402201\"}"})");
}

TEST(MonitorTextsTest, QuotesBackslashesAndControlsCannotRewriteTheMessage)
{
    const std::string account = "1\"},\"regphoneid\":\"2\\";
    const std::string conference = "c\nid\x01";
    const Json::Value request = valueOf(MonitorTexts::monitorRequest(account, conference));
    EXPECT_EQ(request["regphoneid"].asString(), account);
    EXPECT_EQ(request["conferenceid"].asString(), conference);
    EXPECT_EQ(request.size(), 2u);

    const Json::Value verify = valueOf(MonitorTexts::verify(account, "p\"w", "20130617214022"));
    EXPECT_EQ(verify["regphoneid"].asString(), account);
    EXPECT_EQ(verify["timestamp"].asString(), "20130617214022");
    EXPECT_EQ(verify["hashcode"].asString().size(), 32u);
}
