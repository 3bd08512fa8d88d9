#include "SoakRun.h"

#include "ResidentMemory.h"

#include "conference/InstantMeetingPage.h"
#include "core/conference/ConferenceRecord.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

// Past the churn's time, how long the end may take to reach the page.
constexpr std::chrono::seconds kEndGrace { 60 };
constexpr std::chrono::seconds kProgressEvery { 60 };

} // namespace

SoakRun::SoakRun(Settings settings)
    : m_settings(std::move(settings))
{
    m_session.setCredentials(m_settings.account, m_settings.password);
    m_session.setSignInResult(SessionState::kSignedIn);
    m_page = std::make_unique<InstantMeetingPage>(m_session);
    m_tally = std::make_unique<RosterTally>(m_page->roster());

    // After the page's own connections, made as it was built: by the time these run,
    // the page has applied the list, or gone back to composing.
    MonitorSocket& monitor = m_page->monitor();
    connect(&monitor, &MonitorSocket::memberListReceived, this, [this] { listApplied(); });
    connect(&monitor, &MonitorSocket::conferenceEnded, this, [this] { ended(); });
    connect(&monitor, &MonitorSocket::stateChanged, this, [this](MonitorSocket::State state) {
        if (state == MonitorSocket::State::Reconnecting)
            ++m_figures.reconnects;
    });

    m_warmUp.setSingleShot(true);
    connect(&m_warmUp, &QTimer::timeout, this, [this] { warmUpOver(); });
    m_overdue.setSingleShot(true);
    connect(&m_overdue, &QTimer::timeout, this, [this] { finish(); });
    connect(&m_progress, &QTimer::timeout, this, [this] {
        std::fprintf(stderr, "soak: %lld s, %lld member lists, %lld KiB resident\n",
            static_cast<long long>(m_sinceFirstList.elapsed() / 1000), m_figures.memberLists,
            ResidentMemory::ofThisProcess());
    });
}

SoakRun::~SoakRun()
{
    // The page closes its monitor connection as it goes, which the connections above
    // hear: while every member is still here.
    m_tally.reset();
    m_page.reset();
}

void SoakRun::start(std::function<void()> finished)
{
    m_finished = std::move(finished);
    m_page->resize(640, 600);
    m_page->show();
    const QDeadlineTimer exposed(10000);
    while (!(m_page->windowHandle() && m_page->windowHandle()->isExposed()) && !exposed.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);

    ConferenceRecord record;
    record.conferenceId = m_settings.conferenceId;
    record.topic = "负载演练";
    record.hostNumber = m_settings.account;
    record.state = ConferenceRecord::Running;
    m_page->LoadConference(&record);
    m_overdue.start(std::chrono::duration_cast<std::chrono::milliseconds>(m_settings.churnTime + kEndGrace));
}

void SoakRun::listApplied()
{
    if (m_figures.memberLists++ == 0) {
        m_sinceFirstList.start();
        m_warmUp.start(std::chrono::duration_cast<std::chrono::milliseconds>(m_settings.churnTime) / 10);
        m_progress.start(kProgressEvery);
    } else {
        const qint64 now = m_sinceFirstList.elapsed();
        m_figures.maxListGapMs = std::max<long long>(m_figures.maxListGapMs, now - m_lastListMs);
    }
    m_lastListMs = m_sinceFirstList.elapsed();
    m_tally->look();
    if (m_figures.warmedUp)
        sampleMemory();
}

void SoakRun::warmUpOver()
{
    m_figures.warmedUp = true;
    m_figures.rssStartKib = ResidentMemory::ofThisProcess();
    m_figures.serviceRssStartKib = ResidentMemory::ofProcess(m_settings.servicePid);
    sampleMemory();
}

void SoakRun::sampleMemory()
{
    m_figures.rssEndKib = ResidentMemory::ofThisProcess();
    m_figures.rssPeakKib = std::max(m_figures.rssPeakKib, m_figures.rssEndKib);
    m_figures.serviceRssEndKib = ResidentMemory::ofProcess(m_settings.servicePid);
}

void SoakRun::ended()
{
    const LiveRoster& roster = m_page->roster();
    m_figures.endNoticed = !m_page->isRunning() && m_page->monitor().state() == MonitorSocket::State::Closed;
    m_figures.endAfterMs = m_sinceFirstList.isValid() ? m_sinceFirstList.elapsed() : 0;
    m_figures.waitingRowsAfterEnd = roster.rowCount(RosterList::Waiting);
    m_figures.joinedRowsAfterEnd = roster.rowCount(RosterList::Joined);
    // Not from inside the monitor's signal: whoever is told may tear the page down.
    QTimer::singleShot(0, this, [this] { finish(); });
}

void SoakRun::finish()
{
    m_warmUp.stop();
    m_overdue.stop();
    m_progress.stop();
    if (auto finished = std::exchange(m_finished, nullptr))
        finished();
}
