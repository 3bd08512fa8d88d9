// The checks before a booking is sent, what its result says, and how the page looks
// in each of its views.

#include "core/conference/BookingSend.h"
#include "core/conference/BookingLook.h"
#include "core/conference/BookingResult.h"

#include <gtest/gtest.h>

namespace {

const QDateTime kNow(QDate(2026, 3, 4), QTime(10, 15, 30));

BookingDraft ready()
{
    BookingDraft draft;
    draft.picked = kNow.addDays(2);
    draft.hostNumber = "13800138000";
    draft.topic = "季度评审";
    draft.phones = "13911110001,13911110002";
    draft.names = "王芳,";
    draft.participantCount = 2;
    draft.ipAddress = "10.0.0.8";
    draft.smsNotice = true;
    draft.muteAll = true;
    return draft;
}

std::string refusal(const BookingDraft& draft)
{
    return bookingSend::check(draft, kNow).refusal.toStdString();
}

TEST(BookingSendTest, RefusalsComeInTheirOrder)
{
    BookingDraft draft = ready();
    draft.hostNumber.clear();
    draft.phones.clear();
    draft.participantCount = 0;
    draft.picked = kNow.addSecs(-1);
    EXPECT_EQ(refusal(draft), "预约会议的时间不能小于当前时间！");
    draft.picked = kNow.addDays(31);
    EXPECT_EQ(refusal(draft), "预约会议的时间不能大于当前时间之后一个月！");
    draft.picked = kNow;
    EXPECT_EQ(refusal(draft), "主持人号码不能为空！");
    draft.hostNumber = "1";
    EXPECT_EQ(refusal(draft), "至少有一个参会人员！");
    EXPECT_FALSE(bookingSend::check(draft, kNow).record);
}

TEST(BookingSendTest, TheBookingIsTypeOneAtThePickedTime)
{
    BookingDraft draft = ready();
    draft.topic.clear();
    const BookingSendCheck checked = bookingSend::check(draft, kNow);
    ASSERT_TRUE(checked.record) << checked.refusal.toStdString();
    const ConferenceRecord& r = *checked.record;
    EXPECT_EQ(r.type, ConferenceRecord::Booked);
    EXPECT_EQ(r.meetingTime, "2026-03-06T10:15:30");
    // An empty topic goes as it is: no "无" for a booking.
    EXPECT_EQ(r.topic, "");
    EXPECT_EQ(r.phones, "13911110001,13911110002");
    EXPECT_EQ(r.names, "王芳,");
    EXPECT_EQ(r.ipAddress, "10.0.0.8");
    EXPECT_EQ(std::tuple(r.smsNotice, r.recording, r.autoRecall, r.muteAll), std::tuple(1, 0, 0, 1));
    EXPECT_TRUE(r.conferenceId.empty());
}

TEST(BookingResultTest, ANewBookingNeedsAnIdOfTenCharacters)
{
    const ConferenceReply booked = bookingResult::read("2026030410\r", false);
    EXPECT_TRUE(booked.succeeded());
    EXPECT_EQ(booked.conferenceId, "2026030410");
    const ConferenceReply refused = bookingResult::read("105\r", false);
    EXPECT_FALSE(refused.succeeded());
    EXPECT_EQ(refused.code, 105);
    EXPECT_TRUE(refused.conferenceId.empty());
    EXPECT_FALSE(bookingResult::read("", false).succeeded());
}

TEST(BookingResultTest, AChangeIsDoneOnlyOnAZeroCode)
{
    EXPECT_TRUE(bookingResult::read("0\r", true).succeeded());
    EXPECT_EQ(bookingResult::read("12\r", true).code, 12);
    // Nothing at all is no "done".
    const ConferenceReply silent = bookingResult::read("", true);
    EXPECT_FALSE(silent.succeeded());
    EXPECT_FALSE(silent.message.isEmpty());
    EXPECT_FALSE(bookingResult::read("\r", true).succeeded());
}

TEST(BookingResultTest, SuccessWordsDifferForAChange)
{
    EXPECT_EQ(bookingResult::successText(false).toStdString(), "预约会议成功，请在预约时间等待会议呼叫！");
    EXPECT_EQ(bookingResult::successText(true).toStdString(), "预约会议修改成功，请在预约时间等待会议呼叫！");
}

TEST(BookingLookTest, EachViewHasItsButtonsAndGroup)
{
    using View = BookingLook::View;
    const BookingLook fresh = BookingLook::of(View::NewBooking);
    EXPECT_EQ(fresh.bookCaption.toStdString(), "预约会议");
    EXPECT_FALSE(fresh.editEnabled);
    EXPECT_TRUE(fresh.groupEnabled);

    const BookingLook viewing = BookingLook::of(View::Viewing);
    EXPECT_EQ(viewing.bookCaption.toStdString(), "取消会议");
    EXPECT_EQ(viewing.editCaption.toStdString(), "编辑会议");
    EXPECT_TRUE(viewing.editEnabled);
    EXPECT_FALSE(viewing.groupEnabled);

    const BookingLook editing = BookingLook::of(View::Editing);
    EXPECT_EQ(editing.bookCaption.toStdString(), "取消会议");
    EXPECT_EQ(editing.editCaption.toStdString(), "保存修改");
    EXPECT_TRUE(editing.groupEnabled);

    const BookingLook sending = BookingLook::sending(editing);
    EXPECT_EQ(sending.editCaption, editing.editCaption);
    EXPECT_EQ(sending.bookCaption, editing.bookCaption);
    EXPECT_FALSE(sending.groupEnabled);
}

} // namespace
