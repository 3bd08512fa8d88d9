// The settings jobs against a cvservice run in this process with the demo accounts:
// what each sends, what the service keeps, and the texts of its refusals.

#include "ServiceHarness.h"

#include "core/account/SettingsJobs.h"
#include "core/service/Credentials.h"
#include "core/service/ResultText.h"
#include "core/session/MemberProfile.h"

#include <gtest/gtest.h>

namespace {

using cvservice::test::ServiceHarness;

class SettingsJobsTest : public ::testing::Test {
protected:
    MemberProfile storedProfile(const Credentials& who)
    {
        std::string text;
        m_service.GetMemberInfo(who.account.c_str(), who.password.c_str(), text);
        MemberProfile profile;
        MemberProfileUpdate::decode(text).applyTo(profile);
        return profile;
    }

    std::string balance(const Credentials& who)
    {
        std::string balance;
        std::string expiry;
        m_service.GetClientBalance(who.account.c_str(), who.password.c_str(), balance, expiry);
        return balance;
    }

    ServiceHarness m_harness;
    CCvService m_service = m_harness.client();
    const Credentials m_demo { cvservice::test::kUser, cvservice::test::kPassword };
    const Credentials m_other { cvservice::test::kOtherUser, cvservice::test::kOtherPassword };
};

TEST_F(SettingsJobsTest, AProfileIsSavedWithEveryField)
{
    MemberProfile profile = storedProfile(m_demo);
    profile.sex = 0;
    profile.idType = 5;
    profile.idNumber = "91110000X";
    profile.contactPhone = "010-66668888";
    profile.email = "new&<mail>@example.com";
    profile.street = "长安街&1号";
    profile.city = "天津";
    profile.province = "天津";
    profile.country = "中国";
    profile.postcode = "300000";
    profile.remark = "改过的备注";

    const SettingsReply reply = ProfileSaveJob(profile)(m_service, m_demo);
    ASSERT_TRUE(reply.succeeded()) << reply.message.toStdString();
    EXPECT_FALSE(reply.emptyResult);
    EXPECT_EQ(storedProfile(m_demo), profile);
}

TEST_F(SettingsJobsTest, ARefusedProfileCarriesTheServicesText)
{
    MemberProfile profile = storedProfile(m_demo);
    profile.email = "no at sign";
    const SettingsReply reply = ProfileSaveJob(profile)(m_service, m_demo);
    EXPECT_EQ(reply.code, 113);
    EXPECT_EQ(reply.message, QStringLiteral("帐号资料有误，请检查后重新保存！"));
    EXPECT_NE(storedProfile(m_demo).email, "no at sign");
}

TEST_F(SettingsJobsTest, APasswordIsChangedWithTheSessionsPassword)
{
    const SettingsReply wrongSession = PasswordChangeJob("n3w")(m_service, { m_demo.account, "not-it" });
    EXPECT_FALSE(wrongSession.succeeded());
    EXPECT_FALSE(wrongSession.message.isEmpty());

    const SettingsReply changed = PasswordChangeJob("n3w")(m_service, m_demo);
    ASSERT_TRUE(changed.succeeded()) << changed.message.toStdString();
    EXPECT_EQ(m_service.UserClientLogin(m_demo.account.c_str(), "n3w", "192.168.1.1"), 0);
    EXPECT_NE(m_service.UserClientLogin(m_demo.account.c_str(), m_demo.password.c_str(), "192.168.1.1"), 0);
}

TEST_F(SettingsJobsTest, MeetingSettingsSendBothAndReportTheFirstRefusal)
{
    // The host number is refused, yet the signature is still sent and kept.
    const SettingsReply badHost = MeetingSettingsJob("12ab", "新签名")(m_service, m_demo);
    EXPECT_EQ(badHost.code, 111);
    EXPECT_EQ(badHost.message, QStringLiteral("主持人号码有误！"));
    EXPECT_EQ(storedProfile(m_demo).smsSignature, "新签名");
    EXPECT_EQ(storedProfile(m_demo).hostNumber, "13800138000");

    const SettingsReply badSignature
        = MeetingSettingsJob("13800138001", "一二三四五六七八九十一二三四五六七")(m_service, m_demo);
    EXPECT_EQ(badSignature.code, 112);
    EXPECT_EQ(storedProfile(m_demo).hostNumber, "13800138001");

    const SettingsReply saved = MeetingSettingsJob("01088886666", "会议组")(m_service, m_demo);
    ASSERT_TRUE(saved.succeeded()) << saved.message.toStdString();
    EXPECT_EQ(storedProfile(m_demo).hostNumber, "01088886666");
    EXPECT_EQ(storedProfile(m_demo).smsSignature, "会议组");
}

TEST_F(SettingsJobsTest, AnSmsSignatureIsSetOrRefused)
{
    EXPECT_TRUE(SmsSignatureJob("张经理")(m_service, m_demo).succeeded());
    EXPECT_EQ(storedProfile(m_demo).smsSignature, "张经理");
    const SettingsReply tooLong = SmsSignatureJob(std::string(17, 'x'))(m_service, m_demo);
    EXPECT_EQ(tooLong.code, 112);
    EXPECT_EQ(tooLong.message, QStringLiteral("短信签名不能超过16个字！"));
}

TEST_F(SettingsJobsTest, ATransferMovesTheHundredthsSent)
{
    ASSERT_EQ(balance(m_demo), "588.00");
    ASSERT_EQ(balance(m_other), "120.00");
    const SettingsReply moved = TransferJob(m_other.account, 1500, m_demo.password)(m_service, m_demo);
    ASSERT_TRUE(moved.succeeded()) << moved.message.toStdString();
    EXPECT_EQ(balance(m_demo), "573.00");
    EXPECT_EQ(balance(m_other), "135.00");

    // The typed password, not the session's, signs and authorises it.
    EXPECT_FALSE(TransferJob(m_other.account, 100, "wrong")(m_service, m_demo).succeeded());
    const SettingsReply unknown = TransferJob("13000000000", 100, m_demo.password)(m_service, m_demo);
    EXPECT_EQ(unknown.code, 108);
    EXPECT_EQ(unknown.message, QStringLiteral("转入帐号不存在！"));
    EXPECT_EQ(TransferJob(m_other.account, 0, m_demo.password)(m_service, m_demo).code, 109);
    EXPECT_EQ(balance(m_demo), "573.00");
}

TEST_F(SettingsJobsTest, NoAnswerIsNeverASuccess)
{
    cvsrv::ServiceConfig nowhere = m_harness.config();
    nowhere.webPort = 1;
    CCvService unreachable(nowhere);
    const SettingsReply profile = ProfileSaveJob(MemberProfile {})(unreachable, m_demo);
    EXPECT_FALSE(profile.succeeded());
    EXPECT_FALSE(profile.emptyResult);
    EXPECT_EQ(profile.message, QStringLiteral("网络连接已断开,请稍后重试。"));

    const SettingsReply password = PasswordChangeJob("x")(unreachable, m_demo);
    EXPECT_EQ(password.code, 9);
    EXPECT_FALSE(password.message.isEmpty());
    EXPECT_FALSE(TransferJob(m_other.account, 100, m_demo.password)(unreachable, m_demo).succeeded());
}

} // namespace
