// The account settings rules without a screen: the sex choices, the order of the
// password checks, the transfer amount in hundredths and the profile a save sends.

#include "core/account/SettingsRules.h"

#include <gtest/gtest.h>

#include <climits>

using namespace settingsRules;

TEST(SettingsRulesTest, SexShownAndSent)
{
    EXPECT_EQ(sexChoice(1), SexChoice::Male);
    EXPECT_EQ(sexChoice(2), SexChoice::Female);
    for (int other : { 0, 3, -1, 9 })
        EXPECT_EQ(sexChoice(other), SexChoice::Other) << other;
    EXPECT_EQ(sexValue(SexChoice::Male), 1);
    EXPECT_EQ(sexValue(SexChoice::Female), 2);
    // "其他" goes back as 0, whatever other value the profile held.
    EXPECT_EQ(sexValue(sexChoice(7)), 0);
}

TEST(SettingsRulesTest, PasswordChecksInOrder)
{
    EXPECT_EQ(checkPasswordChange("", "", "x"), PasswordCheck::OldMissing);
    EXPECT_EQ(checkPasswordChange("old", "", "x"), PasswordCheck::NewMissing);
    EXPECT_EQ(checkPasswordChange("old", "Secret", "secret"), PasswordCheck::Mismatch);
    EXPECT_EQ(checkPasswordChange("old", "Secret", ""), PasswordCheck::Mismatch);
    EXPECT_EQ(checkPasswordChange("anything", "Secret", "Secret"), PasswordCheck::Ok);
}

TEST(SettingsRulesTest, AmountsAreHundredthsOfTheTypedYuan)
{
    EXPECT_EQ(amountInHundredths("15"), 1500);
    EXPECT_EQ(amountInHundredths("0015"), 1500);
    EXPECT_EQ(amountInHundredths(""), 0);
    EXPECT_EQ(amountInHundredths("abc"), 0);
    EXPECT_EQ(amountInHundredths("12.5"), 1200);
    EXPECT_EQ(amountInHundredths("21474836"), 2147483600);
    // Beyond the request's integer: refused rather than wrapped into another amount.
    EXPECT_EQ(amountInHundredths("21474837"), std::nullopt);
    EXPECT_EQ(amountInHundredths("42949673"), std::nullopt);
    EXPECT_EQ(amountInHundredths("99999999999999"), std::nullopt);
}

TEST(SettingsRulesTest, ASavedProfileKeepsWhatTheDialogDoesNotEdit)
{
    MemberProfile session;
    session.hostNumber = "13800138000";
    session.smsSignature = "张明";
    session.contactName = "张明";
    session.street = "old street";

    MemberProfile typed;
    typed.sex = 0;
    typed.idType = 4;
    typed.idNumber = "1101 ";
    typed.street = "中关村大街2号\t ";
    typed.remark = "  leading kept  ";
    typed.hostNumber = "typed host is ignored";

    const MemberProfile sent = editedProfile(session, typed);
    EXPECT_EQ(sent.sex, 0);
    EXPECT_EQ(sent.idType, 4);
    EXPECT_EQ(sent.idNumber, "1101");
    EXPECT_EQ(sent.street, "中关村大街2号");
    EXPECT_EQ(sent.remark, "  leading kept");
    EXPECT_EQ(sent.hostNumber, "13800138000");
    EXPECT_EQ(sent.smsSignature, "张明");
    EXPECT_EQ(sent.contactName, "张明");
    EXPECT_TRUE(sent.email.empty());
}
