#include "common/JsonReading.h"

#include <gtest/gtest.h>

using corvana::readJson;

TEST(JsonReading, ReadsValuesAndExplainsWhatItRefuses)
{
    const std::optional<Json::Value> value = readJson(R"({"key":"monitor","phonelist":"13800000000,1"})");
    ASSERT_TRUE(value);
    EXPECT_EQ((*value)["key"].asString(), "monitor");

    std::string errors;
    EXPECT_FALSE(readJson(R"({"key": /* note */ "monitor"})", &errors));
    EXPECT_FALSE(errors.empty());
    EXPECT_FALSE(readJson("{\"key\":", &errors));
}

// Found by fuzzing: nesting past jsoncpp's limit made it throw, and the service's
// monitor connection ended the process.
TEST(JsonReading, NestingPastTheLimitIsRefusedNotThrown)
{
    const auto nested = [](int depth) { return std::string(depth, '[') + std::string(depth, ']'); };
    EXPECT_TRUE(readJson(nested(corvana::kMaxJsonDepth)));
    std::string errors;
    EXPECT_FALSE(readJson(nested(corvana::kMaxJsonDepth + 1), &errors));
    EXPECT_NE(errors.find("stackLimit"), std::string::npos) << errors;
    EXPECT_FALSE(readJson(nested(100000)));
    EXPECT_FALSE(readJson("{\"key\":" + std::string(5000, '{')));
}
