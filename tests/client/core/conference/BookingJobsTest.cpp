// Booking against a cvservice run in this process (demo account, fast simulation):
// a booking made, found in the booked list, changed, cancelled, and one the service
// starts at its time.

#include "ServiceHarness.h"

#include "core/conference/BookingCancelJob.h"
#include "core/conference/BookingJob.h"
#include "core/conference/BookingSend.h"
#include "core/conference/ConferenceListDecoder.h"
#include "core/service/Credentials.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using cvservice::test::ServiceHarness;

class BookingJobsTest : public ::testing::Test {
protected:
    ConferenceRecord booking(const QDateTime& when, const std::string& topic) const
    {
        BookingDraft draft;
        draft.picked = when;
        draft.hostNumber = cvservice::test::kUser;
        draft.topic = topic;
        draft.phones = "13911110001,13911110002";
        draft.names = "王芳,李娜";
        draft.participantCount = 2;
        draft.recording = true;
        return bookingSend::check(draft, QDateTime::currentDateTime()).record.value_or(ConferenceRecord {});
    }

    std::optional<ConferenceRecord> findBooked(const std::string& id)
    {
        std::string text;
        int rows = 0;
        if (m_service.GetSubscribeCurrentConference(cvservice::test::kUser, cvservice::test::kPassword, text, rows)
            != 0)
            return std::nullopt;
        for (const ConferenceRecord& r : ConferenceListDecoder::booked(text)) {
            if (r.conferenceId == id)
                return r;
        }
        return std::nullopt;
    }

    bool isRunning(const std::string& id)
    {
        std::string text;
        int rows = 0;
        if (m_service.Getcurrentconferencelist(cvservice::test::kUser, cvservice::test::kPassword, text, rows) != 0)
            return false;
        for (const ConferenceRecord& r : ConferenceListDecoder::running(text)) {
            if (r.conferenceId == id)
                return true;
        }
        return false;
    }

    ServiceHarness m_harness;
    CCvService m_service = m_harness.client();
    const Credentials m_demo { cvservice::test::kUser, cvservice::test::kPassword };
};

TEST_F(BookingJobsTest, ABookingIsListedChangedAndCancelled)
{
    const QDateTime when = QDateTime::currentDateTime().addDays(3);
    ConferenceRecord sent = booking(when, "季度评审");
    const ConferenceReply booked = BookingJob(sent)(m_service, m_demo);
    ASSERT_TRUE(booked.succeeded()) << booked.message.toStdString();
    ASSERT_GE(booked.conferenceId.size(), 10u);

    std::optional<ConferenceRecord> listed = findBooked(booked.conferenceId);
    ASSERT_TRUE(listed);
    EXPECT_EQ(listed->topic, "季度评审");
    EXPECT_EQ(listed->phones, "13911110001,13911110002");
    EXPECT_EQ(listed->names, "王芳,李娜");
    EXPECT_EQ(listed->recording, 1);
    EXPECT_EQ(listed->meetingTime.substr(0, 16), sent.meetingTime.substr(0, 16));

    // A change names the booking by its id; nothing new is booked.
    sent.conferenceId = booked.conferenceId;
    sent.topic = "季度评审（改）";
    sent.phones = "13911110003";
    sent.names = "赵六";
    const ConferenceReply changed = BookingJob(sent)(m_service, m_demo);
    ASSERT_TRUE(changed.succeeded()) << changed.message.toStdString();
    listed = findBooked(booked.conferenceId);
    ASSERT_TRUE(listed);
    EXPECT_EQ(listed->topic, "季度评审（改）");
    EXPECT_EQ(listed->phones, "13911110003");

    const ConferenceReply cancelled = BookingCancelJob(*listed)(m_service, m_demo);
    ASSERT_TRUE(cancelled.succeeded()) << cancelled.message.toStdString();
    EXPECT_EQ(cancelled.conferenceId, booked.conferenceId);
    EXPECT_FALSE(findBooked(booked.conferenceId));

    // Gone is gone: neither a second cancel nor a change is taken, and both say why.
    const ConferenceReply again = BookingCancelJob(*listed)(m_service, m_demo);
    EXPECT_FALSE(again.succeeded());
    EXPECT_FALSE(again.message.isEmpty());
    EXPECT_FALSE(BookingJob(sent)(m_service, m_demo).succeeded());
}

TEST_F(BookingJobsTest, RefusalsAndALostServiceAreNeverABooking)
{
    ConferenceRecord badHost = booking(QDateTime::currentDateTime().addDays(1), "x");
    badHost.hostNumber = "12ab";
    const ConferenceReply refused = BookingJob(badHost)(m_service, m_demo);
    EXPECT_FALSE(refused.succeeded());
    EXPECT_TRUE(refused.conferenceId.empty());
    EXPECT_FALSE(refused.message.isEmpty());

    cvsrv::ServiceConfig nowhere = m_harness.config();
    nowhere.webPort = 1;
    CCvService unreachable(nowhere);
    const ConferenceReply lost = BookingJob(booking(QDateTime::currentDateTime().addDays(1), "x"))(unreachable, m_demo);
    EXPECT_FALSE(lost.succeeded());
    EXPECT_EQ(lost.message.toStdString(), "网络连接已断开,请稍后重试。");
}

TEST_F(BookingJobsTest, TheServiceStartsABookedConferenceAtItsTime)
{
    const ConferenceReply booked
        = BookingJob(booking(QDateTime::currentDateTime().addSecs(3), "马上开始"))(m_service, m_demo);
    ASSERT_TRUE(booked.succeeded()) << booked.message.toStdString();
    EXPECT_TRUE(findBooked(booked.conferenceId));
    EXPECT_FALSE(isRunning(booked.conferenceId));
    ASSERT_TRUE(
        cvservice::test::eventually([&] { return isRunning(booked.conferenceId); }, std::chrono::milliseconds(15000)));
    EXPECT_FALSE(findBooked(booked.conferenceId));
}

} // namespace
