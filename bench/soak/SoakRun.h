#pragma once

#include "RosterTally.h"

#include "core/session/SessionState.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <string>

class InstantMeetingPage;

// One soak of the live view: the instant page, shown offscreen, watches a churning
// conference through its own monitor connection, as the program does, while the run
// tallies what the page's roster shows after every member list and samples the
// memory of this process (and of the service's, when its process id is known).
//
// The service begins to churn when the page first watches, so the run's clock starts
// with the first member list. Memory is sampled first once the warm-up (a tenth of
// the churn's time) has passed, then at every member list; the last sample is the
// one taken at the last list before the end. The run is over when the page has
// noticed the end, or when the end is overdue.
class SoakRun : public QObject {
public:
    struct Settings {
        std::string account;
        std::string password;
        std::string conferenceId;
        std::chrono::seconds churnTime { 600 };
        long long servicePid = 0; // 0: the service's memory is not sampled
    };

    struct Figures {
        long long memberLists = 0;
        long long maxListGapMs = 0; // the longest wait for the next member list
        int reconnects = 0;
        bool warmedUp = false;
        long long rssStartKib = 0;
        long long rssEndKib = 0;
        long long rssPeakKib = 0;
        long long serviceRssStartKib = 0;
        long long serviceRssEndKib = 0;
        bool endNoticed = false; // the page went back to composing on the monitor's end
        long long endAfterMs = 0; // from the first member list
        int waitingRowsAfterEnd = 0;
        int joinedRowsAfterEnd = 0;
    };

    explicit SoakRun(Settings settings);
    ~SoakRun() override;

    // Shows the page and loads the running conference. finished is called once.
    void start(std::function<void()> finished);

    const Figures& figures() const { return m_figures; }
    const RosterTally& tally() const { return *m_tally; }

private:
    void listApplied();
    void warmUpOver();
    void sampleMemory();
    void ended();
    void finish();

    Settings m_settings;
    SessionState m_session;
    std::unique_ptr<InstantMeetingPage> m_page;
    std::unique_ptr<RosterTally> m_tally;
    std::function<void()> m_finished;
    QTimer m_warmUp;
    QTimer m_overdue;
    QTimer m_progress;
    QElapsedTimer m_sinceFirstList;
    qint64 m_lastListMs = 0;
    Figures m_figures;
};
