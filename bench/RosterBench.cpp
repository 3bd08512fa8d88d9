// Speed of the instant page's participant lists while a large conference runs: a
// member list applied through the page's live roster, to the lists on the screen.
//   value roster_apply_1000_ms             a list of 1,000 members of whom 500 were
//                                          already listed (moves, rewrites, appends),
//                                          and the page's next frame
//   value roster_apply_one_change_1000_us  the same 1,000 members again, one of them
//                                          (a joined one on screen) with a new speak
//                                          state, and the page's next frame
//   value monitor_to_screen_ms             from the monitor server's write of such a
//                                          list to the joined list painted with the
//                                          change (wall time, over the loopback)
// Each benchmark checks that the models told their views what happened and that the
// lists were painted: the second one exactly one changed row per list applied and
// nothing else. The page renders offscreen unless QT_QPA_PLATFORM says otherwise.

#include "LoopbackMonitorServer.h"
#include "QtBenchMain.h"
#include "ValueLines.h"

#include "conference/InstantMeetingPage.h"
#include "core/conference/ConferenceRecord.h"
#include "core/session/SessionState.h"
#include "widgets/OperationListCtrl.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QPaintEvent>
#include <QTimer>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

namespace {

using corvana::bench::addValueLine;
using Clock = corvana::bench::RatioReporter::Clock;

constexpr int kMembers = 1000;
constexpr int kListedBefore = 500;
constexpr char kAccount[] = "13800138000";
constexpr char kConferenceId[] = "2013061721402201";
// A member list that has not shown up on the screen by then never will.
constexpr int kScreenDeadlineMs = 5000;

constexpr long long kFirstPhone = 13800000000LL;
constexpr long long kPhoneStep = 7919LL;

std::string phone(int i)
{
    return std::to_string(kFirstPhone + kPhoneStep * i);
}

int memberOfPhone(const std::string& number)
{
    return static_cast<int>((std::stoll(number) - kFirstPhone) / kPhoneStep);
}

std::string name(int i)
{
    return "成员" + std::to_string(i);
}

// Half of the members are in the conference, a quarter are being called and a
// quarter are not connected; a third of those in it are muted, a tenth talk. The
// member `changed` (if any) has the other speak state.
std::string memberList(int changed = -1)
{
    std::string text;
    for (int i = 0; i < kMembers; ++i) {
        const int callstate = i % 2 == 0 ? 1 : (i % 4 == 1 ? 0 : 3);
        int speakstate = i % 3 == 0 ? 2 : 1;
        if (i == changed)
            speakstate = speakstate == 1 ? 2 : 1;
        const int talker = i % 10 == 0 ? 1 : 0;
        if (i > 0)
            text += ',';
        text += name(i) + '|' + phone(i) + '|' + std::to_string(callstate) + '|' + std::to_string(speakstate) + '|'
            + std::to_string(talker);
    }
    return text;
}

// The instant page shown in its own window, watching a running conference through
// the loopback monitor server, plus a count of every model signal a view acts on and
// of the lists' paints.
class PageScene : public QObject {
public:
    PageScene()
    {
        m_serverListening = m_server.listen();
        m_session.setCredentials(kAccount, "123456");
        m_session.setSignInResult(SessionState::kSignedIn);
        m_page = std::make_unique<InstantMeetingPage>(m_session);
        m_page->resize(640, 600);
        for (OperationListCtrl* list : { m_page->waitingList(), m_page->joinedList() })
            watch(list);
        m_page->joinedList()->viewport()->installEventFilter(this);
        m_page->show();
        const QDeadlineTimer deadline(10000);
        while (!(m_page->windowHandle() && m_page->windowHandle()->isExposed()) && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        nextFrame();
    }

    bool ready() const { return m_serverListening; }
    InstantMeetingPage& page() { return *m_page; }
    LoopbackMonitorServer& server() { return m_server; }

    // The page as it is once a conference of the first 500 members has started: they
    // are composed, the conference is loaded as running and its monitor connection
    // is watching it. Nothing of the setup is left for the event loop.
    bool composeRunning()
    {
        m_page->LoadConference(nullptr);
        m_page->ResetComposition();
        for (int i = 0; i < kListedBefore; ++i) {
            ContactRecord participant;
            participant.addressname = name(i);
            participant.phone = phone(i);
            m_page->roster().add(participant);
        }
        ConferenceRecord record;
        record.conferenceId = kConferenceId;
        record.topic = "周会";
        record.hostNumber = kAccount;
        record.state = ConferenceRecord::Running;
        m_page->LoadConference(&record);
        const bool watching = waitForMonitoring();
        nextFrame();
        resetCounts();
        return watching;
    }

    bool waitForMonitoring()
    {
        const QDeadlineTimer deadline(kScreenDeadlineMs);
        while (!(m_page->monitor().state() == MonitorSocket::State::Monitoring && m_server.monitorRequested())
            && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        QCoreApplication::processEvents();
        return !deadline.hasExpired();
    }

    // What the event loop does after a change: the posted layouts and updates, and
    // the dirty parts of the window painted.
    static void nextFrame() { QCoreApplication::processEvents(); }

    // Runs the event loop until the joined list has been painted over `joinedRow`
    // after that row changed, or the deadline passes. False on the deadline.
    bool waitUntilShown(int joinedRow)
    {
        m_watchedRow = joinedRow;
        m_rowChanged = false;
        m_rowShown = false;
        QEventLoop loop;
        m_loop = &loop;
        QTimer deadline;
        deadline.setSingleShot(true);
        connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
        deadline.start(kScreenDeadlineMs);
        loop.exec();
        m_loop = nullptr;
        m_watchedRow = -1;
        return m_rowShown;
    }

    void resetCounts() { dataChanged = wideChanges = inserted = removed = other = 0; }

    int dataChanged = 0;
    int wideChanges = 0;
    int inserted = 0;
    int removed = 0;
    int other = 0;
    int joinedPaints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return QObject::eventFilter(watched, event);
        ++joinedPaints;
        if (m_rowChanged && m_watchedRow >= 0) {
            OperationListCtrl* list = m_page->joinedList();
            const QRect rowRect = list->visualRect(list->model()->index(m_watchedRow, 0));
            const QRect rowStrip(0, rowRect.top(), list->viewport()->width(), rowRect.height());
            if (static_cast<QPaintEvent*>(event)->region().intersects(rowStrip)) {
                m_rowShown = true;
                // The loop returns once this paint, and the window's flush, are done.
                if (m_loop)
                    m_loop->quit();
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void watch(OperationListCtrl* list)
    {
        QAbstractItemModel* model = list->model();
        const bool joined = list == m_page->joinedList();
        connect(model, &QAbstractItemModel::dataChanged, this,
            [this, joined](const QModelIndex& top, const QModelIndex& bottom) {
                ++dataChanged;
                if (top.row() != bottom.row())
                    ++wideChanges;
                if (joined && top.row() <= m_watchedRow && m_watchedRow <= bottom.row())
                    m_rowChanged = true;
            });
        connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { inserted += last - first + 1; });
        connect(model, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) { removed += last - first + 1; });
        connect(model, &QAbstractItemModel::modelReset, this, [this] { ++other; });
        connect(model, &QAbstractItemModel::layoutChanged, this, [this] { ++other; });
        connect(model, &QAbstractItemModel::rowsMoved, this, [this] { ++other; });
    }

    LoopbackMonitorServer m_server;
    bool m_serverListening = false;
    SessionState m_session;
    std::unique_ptr<InstantMeetingPage> m_page;
    QEventLoop* m_loop = nullptr;
    int m_watchedRow = -1;
    bool m_rowChanged = false;
    bool m_rowShown = false;
};

std::unique_ptr<PageScene>& sceneHolder()
{
    static std::unique_ptr<PageScene> scene;
    [[maybe_unused]] static const bool released = corvana::bench::releaseBeforeQuit([] { scene.reset(); });
    return scene;
}

PageScene* scene(benchmark::State& state)
{
    auto& holder = sceneHolder();
    if (!holder)
        holder = std::make_unique<PageScene>();
    if (!holder->ready()) {
        state.SkipWithError("the monitor server could not listen");
        return nullptr;
    }
    return holder.get();
}

// The member shown first in the joined list once the whole list has arrived: a
// change to it is on the screen. -1 when the list does not show it.
int firstShownJoinedMember(PageScene& shown)
{
    OperationListCtrl* list = shown.page().joinedList();
    if (shown.page().roster().rowCount(RosterList::Joined) == 0)
        return -1;
    if (!list->viewport()->rect().intersects(list->visualRect(list->model()->index(0, 0))))
        return -1;
    return memberOfPhone(shown.page().roster().row(RosterList::Joined, 0).phone);
}

void BM_RosterApply1000(benchmark::State& state)
{
    PageScene* shown = scene(state);
    if (!shown)
        return;
    const std::string list = memberList();
    bool checked = false;
    for (auto _ : state) {
        state.PauseTiming();
        if (!shown->composeRunning()) {
            state.SkipWithError("the page's monitor connection did not start watching");
            break;
        }
        const int paints = shown->joinedPaints;
        state.ResumeTiming();

        shown->page().roster().applyMemberList(list);
        PageScene::nextFrame();

        state.PauseTiming();
        if (shown->joinedPaints == paints) {
            state.SkipWithError("the joined list was not painted");
            break;
        }
        if (!checked) {
            // 250 listed members move (a removal and an insertion each), 500 new
            // members are appended, and nothing is rebuilt.
            const LiveRoster::Counters counters = shown->page().roster().counters();
            if (counters.joined != kMembers / 2 || counters.waiting != kMembers / 2 || shown->removed != 250
                || shown->inserted != 250 + 500 || shown->other != 0 || shown->wideChanges != 0) {
                state.SkipWithError("the member list did not reach the models as single-row changes");
                break;
            }
            checked = true;
        }
        state.ResumeTiming();
    }
}

void BM_RosterApplyOneChange1000(benchmark::State& state)
{
    PageScene* shown = scene(state);
    if (!shown)
        return;
    if (!shown->composeRunning()) {
        state.SkipWithError("the page's monitor connection did not start watching");
        return;
    }
    shown->page().roster().applyMemberList(memberList());
    PageScene::nextFrame();
    const int changed = firstShownJoinedMember(*shown);
    if (changed < 0) {
        state.SkipWithError("the joined list shows no member");
        return;
    }
    const std::string lists[2] = { memberList(), memberList(changed) };
    shown->resetCounts();
    std::int64_t applied = 0;
    for (auto _ : state) {
        const int paints = shown->joinedPaints;
        shown->page().roster().applyMemberList(lists[++applied % 2]);
        PageScene::nextFrame();
        if (shown->joinedPaints == paints) {
            state.SkipWithError("the joined list was not painted");
            break;
        }
    }
    if (shown->dataChanged != applied || shown->wideChanges != 0 || shown->inserted != 0 || shown->removed != 0
        || shown->other != 0)
        state.SkipWithError("one changed member was not exactly one changed row");
    state.counters["dataChanged"] = shown->dataChanged;
}

void BM_MonitorToScreen(benchmark::State& state)
{
    PageScene* shown = scene(state);
    if (!shown)
        return;
    if (!shown->composeRunning()) {
        state.SkipWithError("the page's monitor connection did not start watching");
        return;
    }
    shown->server().write(LoopbackMonitorServer::monitorMessage(1, QByteArray::fromStdString(memberList())));
    const QDeadlineTimer arrived(kScreenDeadlineMs);
    while (shown->page().roster().rowCount(RosterList::Joined) < kMembers / 2 && !arrived.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    PageScene::nextFrame();
    const int changed = firstShownJoinedMember(*shown);
    if (changed < 0) {
        state.SkipWithError("the first member list from the monitor did not reach the joined list");
        return;
    }
    const int changedRow = shown->page().roster().rowOf(RosterList::Joined, phone(changed));
    const QByteArray messages[2] = {
        LoopbackMonitorServer::monitorMessage(1, QByteArray::fromStdString(memberList())),
        LoopbackMonitorServer::monitorMessage(1, QByteArray::fromStdString(memberList(changed))),
    };
    shown->resetCounts();
    std::int64_t sent = 0;
    for (auto _ : state) {
        const QByteArray& message = messages[++sent % 2];
        QElapsedTimer clock;
        clock.start();
        shown->server().write(message);
        const bool onScreen = shown->waitUntilShown(changedRow);
        const qint64 elapsed = clock.nsecsElapsed();
        if (!onScreen) {
            state.SkipWithError("the changed member was not painted in the joined list");
            break;
        }
        state.SetIterationTime(static_cast<double>(elapsed) / 1e9);
    }
    if (shown->dataChanged != sent || shown->wideChanges != 0 || shown->inserted != 0 || shown->removed != 0
        || shown->other != 0)
        state.SkipWithError("one changed member was not exactly one changed row");
}

// The first two run on the benchmark's thread alone: its CPU time is what a busy
// machine disturbs least. The monitor's way to the screen crosses the loopback, so
// it is wall time, measured from the write to the paint.
constexpr int kRepetitions = 5;
BENCHMARK(BM_RosterApply1000)->Unit(benchmark::kMillisecond)->MinTime(0.5)->Repetitions(kRepetitions);
BENCHMARK(BM_RosterApplyOneChange1000)->Unit(benchmark::kMicrosecond)->MinTime(0.5)->Repetitions(kRepetitions);
BENCHMARK(BM_MonitorToScreen)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(0.5)->Repetitions(kRepetitions);

[[maybe_unused]] const bool kValueLines = addValueLine({ "roster_apply_1000_ms", "BM_RosterApply1000", Clock::Cpu })
    && addValueLine({ "monitor_to_screen_ms", "BM_MonitorToScreen", Clock::Wall })
    && addValueLine({ "roster_apply_one_change_1000_us", "BM_RosterApplyOneChange1000", Clock::Cpu,
        corvana::bench::ValueLine::Unit::Microseconds });

} // namespace
