#pragma once

#include "core/session/SecondTimer.h"

#include <QObject>
#include <QPointer>

#include <memory>

class SessionState;

// Asks the main window to refresh the balance (Msg::RefreshBalance): about 30 seconds
// after the start, then every 31 seconds, while the session stays signed in. It runs
// on the GUI thread's timer: nothing here blocks or sleeps.
class BalanceTicker {
public:
    static constexpr int kSecondsBetweenPosts = 30; // the counter must exceed this

    BalanceTicker(const SessionState& session, QObject* mainWindow, std::unique_ptr<SecondTimer> timer = nullptr);
    virtual ~BalanceTicker();

    // Does nothing and returns false unless signed in and not already running.
    bool start();
    void stop();
    bool isRunning() const { return m_running; }

private:
    void onSecond();

    const SessionState& m_session;
    QPointer<QObject> m_mainWindow;
    std::unique_ptr<SecondTimer> m_timer;
    bool m_running = false;
    int m_counter = 0;
};
