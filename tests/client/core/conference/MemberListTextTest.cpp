#include "core/conference/MemberListText.h"

#include <gtest/gtest.h>

namespace {

TEST(MemberListText, DecodesTrimmedFieldsAndAtoiNumbers)
{
    const auto members = MemberListText::decode(" 张三 | 13800138000 |1|2x|0, 李四|010-1234|0| 1|1");
    ASSERT_EQ(members.size(), 2u);
    EXPECT_EQ(members[0].addressname, "张三");
    EXPECT_EQ(members[0].phone, "13800138000");
    EXPECT_EQ(members[0].callstate, 1);
    EXPECT_EQ(members[0].speakstate, 2);
    EXPECT_EQ(members[0].activetalker, 0);
    EXPECT_EQ(members[1].addressname, "李四");
    EXPECT_EQ(members[1].speakstate, 1);
    EXPECT_EQ(members[1].activetalker, 1);
}

TEST(MemberListText, SkipsItemsWithFewerThanFiveFields)
{
    // The second item lacks its talker flag; an empty last field does not count, as
    // CUtility::Split does not count it.
    const auto members = MemberListText::decode("a|1111111|1|1|0,b|2222222|1|1,c|3333333|1|1|,,d|4444444|3|1|0|extra");
    ASSERT_EQ(members.size(), 2u);
    EXPECT_EQ(members[0].phone, "1111111");
    EXPECT_EQ(members[1].phone, "4444444");
    EXPECT_EQ(members[1].callstate, 3);
}

TEST(MemberListText, EmptyNameIsAField)
{
    const auto members = MemberListText::decode("|5555555|1|0|0,");
    ASSERT_EQ(members.size(), 1u);
    EXPECT_EQ(members[0].addressname, "");
    EXPECT_EQ(members[0].phone, "5555555");
    EXPECT_TRUE(MemberListText::decode("").empty());
}

} // namespace
