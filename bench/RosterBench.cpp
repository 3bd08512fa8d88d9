// Speed of the instant page's participant lists while a large conference runs: a
// member list from the monitor applied to the live roster and its two list models.
//   value roster_apply_1000_ms             a list of 1,000 members of whom 500 were
//                                          already listed (moves, rewrites, appends)
//   value roster_apply_one_change_1000_us  the same 1,000 members again, one of them
//                                          with a new speak state
// Each benchmark checks that the models told their views what happened: the second
// one exactly one changed row per list applied and nothing else.

#include "ValueLines.h"

#include "conference/JoinedListModel.h"
#include "conference/WaitingListModel.h"
#include "core/conference/LiveRoster.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using corvana::bench::addValueLine;
using Clock = corvana::bench::RatioReporter::Clock;

constexpr int kMembers = 1000;
constexpr int kListedBefore = 500;
// The member whose speak state the second benchmark switches: a joined one.
constexpr int kChanged = 600;

std::string phone(int i)
{
    return std::to_string(13800000000LL + 7919LL * i);
}

std::string name(int i)
{
    return "成员" + std::to_string(i);
}

// Half of the members are in the conference, a quarter are being called and a
// quarter are not connected; a third of those in it are muted, a tenth talk.
std::string memberList(int changedSpeakstate)
{
    std::string text;
    for (int i = 0; i < kMembers; ++i) {
        const int callstate = i % 2 == 0 ? 1 : (i % 4 == 1 ? 0 : 3);
        int speakstate = i % 3 == 0 ? 2 : 1;
        if (i == kChanged)
            speakstate = changedSpeakstate;
        const int talker = i % 10 == 0 ? 1 : 0;
        if (i > 0)
            text += ',';
        text += name(i) + '|' + phone(i) + '|' + std::to_string(callstate) + '|' + std::to_string(speakstate) + '|'
            + std::to_string(talker);
    }
    return text;
}

// The roster and both models, plus a count of every signal a view would act on.
struct Scene {
    Scene()
        : waiting(roster)
        , joined(roster)
    {
        for (QAbstractItemModel* model :
            { static_cast<QAbstractItemModel*>(&waiting), static_cast<QAbstractItemModel*>(&joined) }) {
            QObject::connect(model, &QAbstractItemModel::dataChanged, &counter,
                [this](const QModelIndex& top, const QModelIndex& bottom) {
                    ++dataChanged;
                    if (top.row() != bottom.row())
                        ++wideChanges;
                });
            QObject::connect(model, &QAbstractItemModel::rowsInserted, &counter,
                [this](const QModelIndex&, int first, int last) { inserted += last - first + 1; });
            QObject::connect(model, &QAbstractItemModel::rowsRemoved, &counter,
                [this](const QModelIndex&, int first, int last) { removed += last - first + 1; });
            QObject::connect(model, &QAbstractItemModel::modelReset, &counter, [this] { ++other; });
            QObject::connect(model, &QAbstractItemModel::layoutChanged, &counter, [this] { ++other; });
            QObject::connect(model, &QAbstractItemModel::rowsMoved, &counter, [this] { ++other; });
        }
    }

    void compose()
    {
        for (int i = 0; i < kListedBefore; ++i) {
            ContactRecord participant;
            participant.addressname = name(i);
            participant.phone = phone(i);
            roster.add(participant);
        }
        roster.loadRunning();
    }

    void resetCounts() { dataChanged = wideChanges = inserted = removed = other = 0; }

    LiveRoster roster;
    WaitingListModel waiting;
    JoinedListModel joined;
    QObject counter;
    int dataChanged = 0;
    int wideChanges = 0;
    int inserted = 0;
    int removed = 0;
    int other = 0;
};

void BM_RosterApply1000(benchmark::State& state)
{
    const std::string list = memberList(1);
    bool checked = false;
    for (auto _ : state) {
        state.PauseTiming();
        auto scene = std::make_unique<Scene>();
        scene->compose();
        scene->resetCounts();
        state.ResumeTiming();

        scene->roster.applyMemberList(list);

        state.PauseTiming();
        if (!checked) {
            // 250 listed members move (a removal and an insertion each), 500 new
            // members are appended, and nothing is rebuilt.
            const LiveRoster::Counters counters = scene->roster.counters();
            if (counters.joined != kMembers / 2 || counters.waiting != kMembers / 2 || scene->removed != 250
                || scene->inserted != 250 + 500 || scene->other != 0 || scene->wideChanges != 0) {
                state.SkipWithError("the member list did not reach the models as single-row changes");
                break;
            }
            checked = true;
        }
        scene.reset();
        state.ResumeTiming();
    }
}

void BM_RosterApplyOneChange1000(benchmark::State& state)
{
    Scene scene;
    scene.compose();
    const std::string lists[2] = { memberList(1), memberList(2) };
    scene.roster.applyMemberList(lists[0]);
    scene.resetCounts();
    std::int64_t applied = 0;
    for (auto _ : state) {
        scene.roster.applyMemberList(lists[++applied % 2]);
    }
    if (scene.dataChanged != applied || scene.wideChanges != 0 || scene.inserted != 0 || scene.removed != 0
        || scene.other != 0)
        state.SkipWithError("one changed member was not exactly one changed row");
    state.counters["dataChanged"] = scene.dataChanged;
}

// Everything runs on the benchmark's thread: its CPU time is what a busy machine
// disturbs least.
constexpr int kRepetitions = 5;
BENCHMARK(BM_RosterApply1000)->Unit(benchmark::kMillisecond)->MinTime(0.5)->Repetitions(kRepetitions);
BENCHMARK(BM_RosterApplyOneChange1000)->Unit(benchmark::kMicrosecond)->MinTime(0.5)->Repetitions(kRepetitions);

[[maybe_unused]] const bool kValueLines = addValueLine({ "roster_apply_1000_ms", "BM_RosterApply1000", Clock::Cpu });

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    corvana::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    corvana::bench::printValueLines(reporter);
    // ValueLines prints milliseconds; a single change is worth microseconds.
    corvana::bench::printValue("roster_apply_one_change_1000_us",
        1e6 * reporter.secondsPerIteration("BM_RosterApplyOneChange1000", Clock::Cpu));
    return 0;
}
