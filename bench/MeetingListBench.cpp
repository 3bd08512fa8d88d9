// Speed of the meeting-list page at the size of a long-standing account: 10,000
// past conferences, each with a topic, a time, a host number and five participants.
//   value past_meetings_filter_10k_ms  one character typed into the page's search box
//                                      (the first digit, which every conference holds,
//                                      so all 10,000 rows are shown again), to the
//                                      list's next frame
// The benchmark checks that the keystroke reached the model and that the list was
// painted. The page renders offscreen unless QT_QPA_PLATFORM says otherwise.

#include "QtBenchMain.h"
#include "ValueLines.h"

#include "conference/MeetingListPage.h"
#include "conference/PastMeetingsModel.h"
#include "core/conference/PastMeetingsJob.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/session/SessionState.h"
#include "skin/CEditBoxBmp.h"
#include "widgets/OperationListCtrl.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

using corvana::bench::addValueLine;
using Clock = corvana::bench::RatioReporter::Clock;

constexpr int kConferences = 10000;
constexpr int kParticipants = 5;
const QString kSearchKey = QStringLiteral("1");

std::vector<ConferenceRecord> pastConferences()
{
    static const char* const topics[]
        = { "周一例会", "产品评审", "客户需求沟通", "项目启动会", "供应商报价", "季度总结", "合同确认", "Weekly sync" };
    std::vector<ConferenceRecord> records;
    records.reserve(kConferences);
    for (int i = 0; i < kConferences; ++i) {
        ConferenceRecord record;
        record.topic = std::string(topics[i % 8]) + ' ' + std::to_string(i);
        char time[32];
        std::snprintf(time, sizeof time, "20%02d-%02d-%02dT%02d:%02d:00", 16 + i / 1000 % 10, 1 + i % 12, 1 + i % 28,
            8 + i % 12, i % 4 * 15);
        record.meetingTime = time;
        record.hostNumber = "138" + std::to_string(10000000 + i % 50);
        for (int p = 0; p < kParticipants; ++p) {
            if (p > 0) {
                record.phones += ',';
                record.names += ',';
            }
            record.phones += std::to_string(13900000000LL + 7919LL * (i * kParticipants + p));
            record.names += "成员" + std::to_string(p);
        }
        record.autoRecall = 1;
        record.state = ConferenceRecord::Past;
        records.push_back(std::move(record));
    }
    return records;
}

// The page in a window of the workspace's frame size, loaded with the conferences
// as a load delivers them, plus a count of the list's paints.
class PageScene : public QObject {
public:
    PageScene()
    {
        m_session.setCredentials("13800138000", "123456");
        m_session.setSignInResult(SessionState::kSignedIn);
        m_page = std::make_unique<MeetingListPage>(m_session);
        m_page->resize(645, 600);
        m_page->list()->viewport()->installEventFilter(this);
        m_page->show();
        const QDeadlineTimer deadline(10000);
        while (!(m_page->windowHandle() && m_page->windowHandle()->isExposed()) && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        PastMeetingsReply loaded;
        loaded.status = 0;
        loaded.records = pastConferences();
        QCoreApplication::postEvent(m_page.get(), new AppEvent(Msg::MeetingListLoaded, 0, 0, std::move(loaded)));
        nextFrame();
    }

    MeetingListPage& page() { return *m_page; }
    CEditBoxBmp& searchBox() { return *m_page->findChild<CEditBoxBmp*>(QStringLiteral("searchBox")); }
    int listPaints() const { return m_paints; }
    static void nextFrame() { QCoreApplication::processEvents(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++m_paints;
        return QObject::eventFilter(watched, event);
    }

private:
    SessionState m_session;
    std::unique_ptr<MeetingListPage> m_page;
    int m_paints = 0;
};

std::unique_ptr<PageScene>& sceneHolder()
{
    static std::unique_ptr<PageScene> scene;
    [[maybe_unused]] static const bool released = corvana::bench::releaseBeforeQuit([] { scene.reset(); });
    return scene;
}

PageScene& scene()
{
    auto& holder = sceneHolder();
    if (!holder)
        holder = std::make_unique<PageScene>();
    return *holder;
}

void BM_PastMeetingsFilter10k(benchmark::State& state)
{
    PageScene& shown = scene();
    if (shown.page().table().count() != kConferences) {
        state.SkipWithError("the conferences did not reach the page");
        return;
    }
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        shown.searchBox().clear();
        PageScene::nextFrame();
        const int paints = shown.listPaints();
        state.ResumeTiming();

        shown.searchBox().insert(kSearchKey);
        PageScene::nextFrame();

        state.PauseTiming();
        rows = shown.page().model()->rowCount();
        if (shown.listPaints() == paints || shown.page().model()->filter() != kSearchKey) {
            state.SkipWithError("the keystroke did not reach the list or the list was not painted");
            break;
        }
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
    if (rows != kConferences)
        state.SkipWithError("the first digit did not find every conference");
}

BENCHMARK(BM_PastMeetingsFilter10k)->Unit(benchmark::kMillisecond)->MinTime(0.5)->Repetitions(5);

[[maybe_unused]] const bool kValueLines
    = addValueLine({ "past_meetings_filter_10k_ms", "BM_PastMeetingsFilter10k", Clock::Cpu });

} // namespace
