#include "FaultMatrix.h"

namespace faultMatrix {

namespace {

// What the client says, word for word.
const QString kConnectionLost = QStringLiteral("网络连接已断开,请稍后重试。");
const QString kSendFailed = QStringLiteral("发送数据失败!");
const QString kNoConferenceId = QStringLiteral("没有收到会议编号，请稍后重试。");
const QString kBooked = QStringLiteral("预约会议成功，请在预约时间等待会议呼叫！");
const QString kSmsSent = QStringLiteral("短信已经发送！");
const QString kAllImported = QStringLiteral("成功：2,失败：0");
const QString kNoneImported = QStringLiteral("成功：0,失败：2");
const QString kNewerVersion = QStringLiteral("有新版本程序，现在升级吗？");
const QString kUpdated = QStringLiteral("升级完毕！");
const QString kUpdateUnfinished = QStringLiteral("升级未完成，请稍后重试。");

// The row of one flow: what it shows on a healthy service, when no usable reply
// arrives (down, slow, chunked, truncated) and when the reply is not the operation's
// answer (malformed XML, an HTTP 500 fault).
struct FlowRow {
    Flow flow;
    std::vector<QString> healthy;
    std::vector<QString> noReply;
    std::vector<QString> notAnAnswer;
};

// The sign-in shows what the service says about its failure code (9); when that
// question fails too, the library's own words. Loads, bills with a reply that is not
// an answer, an SMS answered with nothing and the version check stay silent.
const FlowRow kRows[] = {
    { Flow::SignIn, {}, { kSendFailed }, { kConnectionLost } },
    { Flow::SessionLoads, {}, {}, {} },
    { Flow::ConferenceStart, {}, { kConnectionLost }, { kNoConferenceId } },
    { Flow::ConferenceEnd, {}, { kConnectionLost }, { kConnectionLost } },
    { Flow::Booking, { kBooked }, { kConnectionLost }, { kNoConferenceId } },
    { Flow::ContactChange, {}, { kConnectionLost }, { kConnectionLost } },
    { Flow::ContactImport, { kAllImported }, { kNoneImported }, { kNoneImported } },
    { Flow::SmsSend, { kSmsSent }, { kConnectionLost }, {} },
    { Flow::BillQuery, {}, { kConnectionLost }, {} },
    { Flow::VersionCheck, { kNewerVersion }, {}, {} },
    { Flow::Updater, { kUpdated }, { kUpdateUnfinished }, { kUpdateUnfinished } },
};

constexpr Fault kNoReplyFaults[] = { Fault::Down, Fault::Slow, Fault::Chunked, Fault::Truncated };
constexpr Fault kNotAnAnswerFaults[] = { Fault::Malformed, Fault::Http500 };
constexpr Fault kMonitorFaults[]
    = { Fault::MonitorDrop, Fault::MonitorSplit, Fault::MonitorMerge, Fault::MonitorGarbage };

bool leftOut(Flow flow, Fault fault)
{
    // A body of the announced length is a whole file to the updater: the download list
    // carries no checksum that could tell a damaged file from a new version.
    return flow == Flow::Updater && fault == Fault::Malformed;
}

std::vector<Cell> build()
{
    std::vector<Cell> all;
    for (const FlowRow& row : kRows) {
        all.push_back({ row.flow, Fault::None, row.healthy });
        for (Fault fault : kNoReplyFaults)
            all.push_back({ row.flow, fault, row.noReply });
        for (Fault fault : kNotAnAnswerFaults) {
            if (!leftOut(row.flow, fault))
                all.push_back({ row.flow, fault, row.notAnAnswer });
        }
        // Only a running conference uses the monitor; the other flows never open it.
        if (row.flow == Flow::ConferenceStart || row.flow == Flow::ConferenceEnd) {
            for (Fault fault : kMonitorFaults)
                all.push_back({ row.flow, fault, {} });
        }
    }
    return all;
}

} // namespace

const char* name(Flow flow)
{
    switch (flow) {
    case Flow::SignIn:
        return "sign-in";
    case Flow::SessionLoads:
        return "session loads";
    case Flow::ConferenceStart:
        return "conference start";
    case Flow::ConferenceEnd:
        return "conference end";
    case Flow::Booking:
        return "booking";
    case Flow::ContactChange:
        return "contact change";
    case Flow::ContactImport:
        return "contact import";
    case Flow::SmsSend:
        return "sms send";
    case Flow::BillQuery:
        return "bill query";
    case Flow::VersionCheck:
        return "version check";
    case Flow::Updater:
        return "updater";
    }
    return "?";
}

const char* name(Fault fault)
{
    switch (fault) {
    case Fault::None:
        return "none";
    case Fault::Down:
        return "down";
    case Fault::Slow:
        return "slow";
    case Fault::Malformed:
        return "malformed";
    case Fault::Chunked:
        return "chunked";
    case Fault::Truncated:
        return "truncated";
    case Fault::Http500:
        return "http500";
    case Fault::MonitorDrop:
        return "monitor drop";
    case Fault::MonitorSplit:
        return "monitor split";
    case Fault::MonitorMerge:
        return "monitor merge";
    case Fault::MonitorGarbage:
        return "monitor garbage";
    }
    return "?";
}

bool isMonitorFault(Fault fault)
{
    return fault == Fault::MonitorDrop || fault == Fault::MonitorSplit || fault == Fault::MonitorMerge
        || fault == Fault::MonitorGarbage;
}

QByteArray switches(Fault fault)
{
    switch (fault) {
    case Fault::None:
    case Fault::Down:
        return {};
    case Fault::Slow:
        return "\"delayMs\":" + QByteArray::number(kSlowReplyMs);
    case Fault::Malformed:
        return "\"reply\":\"malformed\"";
    case Fault::Chunked:
        return "\"reply\":\"chunked\"";
    case Fault::Truncated:
        return "\"reply\":\"truncated\"";
    case Fault::Http500:
        return "\"reply\":\"http500\"";
    case Fault::MonitorDrop:
        return "\"monitor\":{\"drop\":true}";
    case Fault::MonitorSplit:
        return "\"monitor\":{\"split\":true}";
    case Fault::MonitorMerge:
        return "\"monitor\":{\"merge\":true}";
    case Fault::MonitorGarbage:
        return "\"monitor\":{\"garbage\":true}";
    }
    return {};
}

const std::vector<Cell>& cells()
{
    static const std::vector<Cell> all = build();
    return all;
}

} // namespace faultMatrix
