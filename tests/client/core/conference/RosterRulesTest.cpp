#include "core/conference/RosterRules.h"
#include "core/conference/RosterText.h"

#include <gtest/gtest.h>

namespace {

TEST(RosterRules, TypedPhoneNeedsSevenDigitsOrHyphens)
{
    EXPECT_TRUE(RosterRules::isValidTypedPhone("1234567"));
    EXPECT_TRUE(RosterRules::isValidTypedPhone("010-123"));
    EXPECT_TRUE(RosterRules::isValidTypedPhone("13800138000"));
    EXPECT_FALSE(RosterRules::isValidTypedPhone("123456"));
    EXPECT_FALSE(RosterRules::isValidTypedPhone("123a567"));
    EXPECT_FALSE(RosterRules::isValidTypedPhone("123 4567"));
    EXPECT_FALSE(RosterRules::isValidTypedPhone(""));
    // Full-width digits are more than seven bytes but not digits.
    EXPECT_FALSE(RosterRules::isValidTypedPhone("１２３４５６７"));
}

TEST(RosterRules, StatusAndOperationTextsFollowTheSpeakState)
{
    const struct {
        int speakstate;
        const char* status;
        const char* operation;
    } cases[] = {
        { 0, "旁听", "发言  挂断" },
        { 1, "发言", "禁言  挂断" },
        { 2, "禁言", "发言  挂断" },
        { 3, "", "禁言  挂断" },
        { -1, "", "禁言  挂断" },
    };
    for (const auto& c : cases) {
        const MemberStatus status = RosterRules::statusOf(c.speakstate);
        EXPECT_EQ(RosterText::status(status), QString::fromUtf8(c.status)) << c.speakstate;
        EXPECT_EQ(RosterText::joinedOperation(status), QString::fromUtf8(c.operation)) << c.speakstate;
    }
}

TEST(RosterRules, WaitingOperationDependsOnModeAndCallState)
{
    EXPECT_EQ(RosterText::waitingOperation(RosterRules::waitingOperation(false, 0)), QStringLiteral("删除"));
    EXPECT_EQ(RosterText::waitingOperation(RosterRules::waitingOperation(true, 0)), QStringLiteral("删除  挂断"));
    EXPECT_EQ(RosterText::waitingOperation(RosterRules::waitingOperation(true, 3)), QStringLiteral("删除  呼叫"));
    EXPECT_EQ(RosterText::waitingOperation(RosterRules::waitingOperation(true, 2)), QStringLiteral("删除  呼叫"));
}

TEST(RosterRules, FilterMatchesNameOrPhone)
{
    EXPECT_TRUE(RosterRules::passesFilter("张三", "13800138000", ""));
    EXPECT_TRUE(RosterRules::passesFilter("张三", "13800138000", "张"));
    EXPECT_TRUE(RosterRules::passesFilter("张三", "13800138000", "0013"));
    EXPECT_FALSE(RosterRules::passesFilter("张三", "13800138000", "李"));
}

} // namespace
