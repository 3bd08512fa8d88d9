#include "core/conference/RosterEntries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

ContactRecord entry(const std::string& name, const std::string& phone)
{
    ContactRecord record;
    record.addressname = name;
    record.phone = phone;
    return record;
}

std::vector<std::string> phones(const RosterEntries& entries)
{
    std::vector<std::string> result;
    for (const ContactRecord& e : entries)
        result.push_back(e.phone);
    return result;
}

TEST(RosterEntries, ContainmentLooksInsideEveryPhone)
{
    RosterEntries entries;
    EXPECT_TRUE(entries.add(entry("a", "13800138000")));
    EXPECT_FALSE(entries.add(entry("b", "13800138000")));
    EXPECT_FALSE(entries.add(entry("c", "1380013")));
    EXPECT_FALSE(entries.add(entry("d", "0013800")));
    EXPECT_FALSE(entries.add(entry("e", "8000")));
    EXPECT_TRUE(entries.add(entry("f", "138001380001")));
    EXPECT_TRUE(entries.add(entry("g", "2222222")));
    EXPECT_EQ(phones(entries), (std::vector<std::string> { "13800138000", "138001380001", "2222222" }));

    // Removing one phone must leave the suffixes another phone shares.
    EXPECT_TRUE(entries.remove("13800138000"));
    EXPECT_TRUE(entries.anyPhoneContains("13800138000"));
    EXPECT_TRUE(entries.anyPhoneContains("0001"));
    EXPECT_TRUE(entries.remove("138001380001"));
    EXPECT_FALSE(entries.anyPhoneContains("0001"));
    EXPECT_TRUE(entries.add(entry("c", "1380013")));
    EXPECT_EQ(phones(entries), (std::vector<std::string> { "2222222", "1380013" }));
}

TEST(RosterEntries, RemovesByNameAndPhonePrefixes)
{
    RosterEntries entries;
    entries.add(entry("张三", "13800138000"));
    entries.add(entry("张三丰", "13800138001"));
    entries.add(entry("李四", "13800138002"));
    entries.add(entry("张三", "13900000000"));
    ASSERT_TRUE(entries.add(entry("张三", "13801")));
    EXPECT_EQ(entries.removeByPrefixes("张三", "1380013800"), 2);
    EXPECT_EQ(phones(entries), (std::vector<std::string> { "13800138002", "13900000000", "13801" }));
    EXPECT_EQ(entries.removeByPrefixes("", "139"), 1);
    EXPECT_EQ(entries.removeByPrefixes("张三", "13800138"), 0);
    EXPECT_EQ(phones(entries), (std::vector<std::string> { "13800138002", "13801" }));
}

} // namespace
