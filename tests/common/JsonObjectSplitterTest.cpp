#include "common/JsonObjectSplitter.h"

#include <gtest/gtest.h>

#include <vector>

using corvana::JsonObjectSplitter;

namespace {

std::vector<std::string> drain(JsonObjectSplitter& splitter)
{
    std::vector<std::string> objects;
    while (auto object = splitter.next())
        objects.push_back(*object);
    return objects;
}

} // namespace

TEST(JsonObjectSplitter, ObjectsInPiecesAndSeveralInOneRead)
{
    JsonObjectSplitter splitter;
    const std::string first = R"({"key":"verify","value":"{\"a\":\"}\"}"})";
    const std::string second = R"({"key":"monitor","n":{"deep":[1,{"x":"\"{"}]}})";
    const std::string stream = first + second + first;
    // Fed one byte at a time, each object appears exactly when its last byte arrives.
    std::vector<std::string> objects;
    for (char c : stream) {
        ASSERT_TRUE(splitter.append(std::string(1, c)));
        for (auto& object : drain(splitter))
            objects.push_back(object);
    }
    EXPECT_EQ(objects, (std::vector<std::string> { first, second, first }));

    ASSERT_TRUE(splitter.append(stream));
    EXPECT_EQ(drain(splitter), (std::vector<std::string> { first, second, first }));
}

TEST(JsonObjectSplitter, GarbageBetweenObjectsIsSkipped)
{
    JsonObjectSplitter splitter;
    splitter.append("\x01garbage}}] {not an object {\"k\":1} ]] {");
    EXPECT_EQ(drain(splitter), (std::vector<std::string> { "{\"k\":1}" }));
    // The trailing brace may still open an object: it waits for the next byte.
    splitter.append(" }{}");
    EXPECT_EQ(drain(splitter), (std::vector<std::string> { "{ }", "{}" }));
}

TEST(JsonObjectSplitter, AnUnfinishedObjectIsBounded)
{
    JsonObjectSplitter splitter(64);
    ASSERT_TRUE(splitter.append("{\"k\":\"" + std::string(40, 'x')));
    EXPECT_FALSE(splitter.next());
    EXPECT_FALSE(splitter.append(std::string(40, 'x')));
    // After the overflow it starts afresh.
    ASSERT_TRUE(splitter.append("{\"k\":2}"));
    EXPECT_EQ(drain(splitter), (std::vector<std::string> { "{\"k\":2}" }));

    // Garbage alone never fills the buffer.
    for (int i = 0; i < 100; ++i) {
        ASSERT_TRUE(splitter.append(std::string(50, 'g')));
        EXPECT_FALSE(splitter.next());
    }
}
