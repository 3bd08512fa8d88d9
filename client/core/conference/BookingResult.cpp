#include "core/conference/BookingResult.h"

#include "core/service/ResultText.h"

#include <QCoreApplication>

namespace bookingResult {

ConferenceReply read(const std::string& resultText, bool change)
{
    if (!change)
        return conferenceReply::readCreateResult(resultText);
    ConferenceReply reply = conferenceReply::readControlResult(resultText);
    const std::vector<std::string> rows = ResultText::rows(resultText);
    const bool answered = !rows.empty() && !ResultText::fields(rows.front()).empty()
        && !ResultText::fields(rows.front()).front().empty();
    if (!answered) {
        reply.code = -1;
        reply.message = QCoreApplication::translate("BookingResult", "没有收到服务的答复，请稍后重试。");
    }
    return reply;
}

QString successText(bool change)
{
    return change ? QCoreApplication::translate("BookingResult", "预约会议修改成功，请在预约时间等待会议呼叫！")
                  : QCoreApplication::translate("BookingResult", "预约会议成功，请在预约时间等待会议呼叫！");
}

} // namespace bookingResult
