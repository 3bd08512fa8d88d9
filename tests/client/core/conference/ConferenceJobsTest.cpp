// The create and control jobs against a cvservice run in this process, with the demo
// account and fast call simulation.

#include "ServiceHarness.h"

#include "core/conference/ConferenceJobs.h"
#include "core/conference/ConferenceStart.h"
#include "core/service/Credentials.h"

#include <gtest/gtest.h>

namespace {

using cvservice::test::ServiceHarness;

class ConferenceJobsTest : public ::testing::Test {
protected:
    ConferenceRecord composed(const std::string& host) const
    {
        ConferenceDraft draft;
        draft.hostNumber = host;
        draft.topic = "项目例会";
        draft.phones = "13911110001,13911110002";
        draft.names = "王芳,李娜";
        draft.participantCount = 2;
        draft.ipAddress = "192.168.1.1";
        return conferenceStart::check(draft, QDateTime::currentDateTime()).record.value_or(ConferenceRecord {});
    }

    ServiceHarness m_harness;
    CCvService m_service = m_harness.client();
    const Credentials m_demo { cvservice::test::kUser, cvservice::test::kPassword };
};

TEST_F(ConferenceJobsTest, ACreatedConferenceIsControlledAndEnded)
{
    const ConferenceReply created = CreateConferenceJob(composed("13800138000"))(m_service, m_demo);
    ASSERT_TRUE(created.succeeded()) << created.message.toStdString();
    ASSERT_GE(created.conferenceId.size(), conferenceReply::kMinimumIdLength);

    for (ConferenceCommand command : { ConferenceCommand::MuteAll, ConferenceCommand::UnmuteAll,
             ConferenceCommand::StartRecording, ConferenceCommand::PauseRecording, ConferenceCommand::RecallAll }) {
        const ConferenceReply reply = ConferenceControlJob(created.conferenceId, command)(m_service, m_demo);
        EXPECT_TRUE(reply.succeeded()) << int(command) << ": " << reply.message.toStdString();
    }
    const ConferenceReply hungUp = ConferenceControlJob(
        created.conferenceId, ConferenceCommand::HangUpMember, memberPhoneId("13911110001", "王芳"))(m_service, m_demo);
    EXPECT_TRUE(hungUp.succeeded()) << hungUp.message.toStdString();

    EXPECT_TRUE(ConferenceControlJob(created.conferenceId, ConferenceCommand::End)(m_service, m_demo).succeeded());
}

TEST_F(ConferenceJobsTest, RefusalsCarryTheServicesText)
{
    const ConferenceReply badHost = CreateConferenceJob(composed("1380013800a"))(m_service, m_demo);
    EXPECT_FALSE(badHost.succeeded());
    EXPECT_TRUE(badHost.conferenceId.empty());
    EXPECT_GT(badHost.code, 0);
    EXPECT_FALSE(badHost.message.isEmpty());

    const ConferenceReply unknown
        = ConferenceControlJob("20990101000000", ConferenceCommand::MuteAll)(m_service, m_demo);
    EXPECT_GT(unknown.code, 0);
    EXPECT_FALSE(unknown.message.isEmpty());
}

TEST_F(ConferenceJobsTest, AnExchangeThatFailsIsNeverASuccess)
{
    cvsrv::ServiceConfig nowhere = m_harness.config();
    nowhere.webPort = 1; // nothing listens there
    CCvService unreachable(nowhere);
    const ConferenceReply created = CreateConferenceJob(composed("13800138000"))(unreachable, m_demo);
    EXPECT_FALSE(created.succeeded());
    EXPECT_EQ(created.message, QStringLiteral("网络连接已断开,请稍后重试。"));
    const ConferenceReply ended = ConferenceControlJob("2026030400", ConferenceCommand::End)(unreachable, m_demo);
    EXPECT_FALSE(ended.succeeded());
}

} // namespace
