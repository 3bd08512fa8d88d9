// Speed of the bill window with a large account's charges:
//   value bills_fill_10k_ms             a result text of 10,000 conference charges
//                                       delivered to the window, read into the list,
//                                       its totals and chart, and the window painted
//   value bills_filter_keystroke_10k_ms one keystroke in the search box over those
//                                       10,000 rows, and the window painted
// Each benchmark checks the rows the list shows. The window renders offscreen unless
// QT_QPA_PLATFORM says otherwise.

#include "QtBenchMain.h"
#include "ValueLines.h"

#include "account/BillQueryWindow.h"
#include "account/ChargeTableModel.h"
#include "core/account/AccountListReply.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/session/SessionState.h"
#include "skin/CEditBoxBmp.h"
#include "skin/CListCtrlEx.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

using corvana::bench::addValueLine;
using Clock = corvana::bench::RatioReporter::Clock;

constexpr int kCharges = 10000;
constexpr char kAccount[] = "13800138000";

// 10,000 conferences over the 30 days of June 2013, a few an hour.
std::string chargesText()
{
    std::string text;
    text.reserve(std::size_t(kCharges) * 110);
    char row[160];
    for (int i = 0; i < kCharges; ++i) {
        const int day = 1 + i % 30;
        const int hour = (i / 30) % 24;
        const int minute = (i * 7) % 60;
        const int minutes = 10 + i % 90;
        std::snprintf(row, sizeof row,
            "201306%02d%02d%02d%04d\r139%08d\r2013-06-%02dT%02d:%02d:00\r2013-06-%02dT%02d:%02d:30\r%d\r%d\r%d.%02d\r",
            day, hour, minute, i, 10000000 + i, day, hour, minute, day, hour, minute, minutes, minutes * 15,
            minutes * 15 / 100, minutes * 15 % 100);
        if (i > 0)
            text += '\n';
        text += row;
    }
    return text;
}

struct Scene {
    Scene()
        : text(chargesText())
    {
        session.setCredentials(kAccount, "123456");
        session.setSignInResult(SessionState::kSignedIn);
        window = std::make_unique<BillQueryWindow>(session, nullptr);
        window->resize(669, 712);
        window->show();
        QApplication::processEvents();
    }

    void deliver()
    {
        AccountListReply reply;
        reply.kind = ChargeKind::Conference;
        reply.status = 0;
        reply.resultText = text;
        reply.rows = kCharges;
        AppEvent event(Msg::ConferenceChargesReady, 0, 0, std::move(reply));
        QCoreApplication::sendEvent(window.get(), &event);
        window->repaint();
    }

    SessionState session;
    std::string text;
    std::unique_ptr<BillQueryWindow> window;
};

std::unique_ptr<Scene>& sceneHolder()
{
    static std::unique_ptr<Scene> scene;
    [[maybe_unused]] static const bool released = corvana::bench::releaseBeforeQuit([] { scene.reset(); });
    return scene;
}

Scene& scene()
{
    if (!sceneHolder())
        sceneHolder() = std::make_unique<Scene>();
    return *sceneHolder();
}

void BM_BillsFill10k(benchmark::State& state)
{
    Scene& shown = scene();
    shown.window->searchBox()->clear();
    for (auto _ : state)
        shown.deliver();
    if (shown.window->list()->itemCount() != kCharges)
        state.SkipWithError("the list does not show every charge");
}

void BM_BillsFilterKeystroke10k(benchmark::State& state)
{
    Scene& shown = scene();
    shown.window->searchBox()->clear();
    shown.deliver();
    // Typing a day's hour and taking the last key back again, one keystroke at a time.
    const QString narrow = QStringLiteral("-17T1");
    const QString wide = QStringLiteral("-17T");
    bool typed = false;
    for (auto _ : state) {
        typed = !typed;
        shown.window->searchBox()->setText(typed ? narrow : wide);
        shown.window->repaint();
    }
    shown.window->searchBox()->setText(wide);
    const int found = shown.window->list()->itemCount();
    if (found == 0 || found >= kCharges)
        state.SkipWithError("the filter did not narrow the list");
}

constexpr int kRepetitions = 5;
BENCHMARK(BM_BillsFill10k)->Unit(benchmark::kMillisecond)->MinTime(0.5)->Repetitions(kRepetitions);
BENCHMARK(BM_BillsFilterKeystroke10k)->Unit(benchmark::kMillisecond)->MinTime(0.5)->Repetitions(kRepetitions);

[[maybe_unused]] const bool kValueLines = addValueLine({ "bills_fill_10k_ms", "BM_BillsFill10k", Clock::Cpu })
    && addValueLine({ "bills_filter_keystroke_10k_ms", "BM_BillsFilterKeystroke10k", Clock::Cpu });

} // namespace
