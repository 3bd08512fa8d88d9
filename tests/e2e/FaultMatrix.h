#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// What the fault matrix runs: each flow of the client against each way cvservice can
// be made to fail, and what the user is told then. "None" is the flow on a healthy
// service, so that every flow is seen to succeed where the faults make it fail.
namespace faultMatrix {

enum class Flow {
    SignIn,
    SessionLoads,
    ConferenceStart,
    ConferenceEnd,
    Booking,
    ContactChange,
    ContactImport,
    SmsSend,
    BillQuery,
    VersionCheck,
    Updater,
};

enum class Fault {
    None,
    Down, // nothing listens where the client looks for the service
    Slow, // every reply comes later than the client waits
    Malformed,
    Chunked,
    Truncated,
    Http500,
    MonitorDrop,
    MonitorSplit,
    MonitorMerge,
    MonitorGarbage,
};

// The client's time-out for one exchange in this test, the updater's for a silent
// server (it counts whole seconds), and how late a slow service answers.
inline constexpr int kExchangeTimeoutMs = 2500;
inline constexpr long kUpdaterTimeoutMs = 2000;
inline constexpr int kSlowReplyMs = 4000;

const char* name(Flow flow);
const char* name(Fault fault);
bool isMonitorFault(Fault fault);
// The control page's switches for the fault; empty for None and Down.
QByteArray switches(Fault fault);

struct Cell {
    Flow flow;
    Fault fault;
    // The texts the user is shown, in order; empty where the flow stays silent.
    std::vector<QString> shown;
};

const std::vector<Cell>& cells();

} // namespace faultMatrix
