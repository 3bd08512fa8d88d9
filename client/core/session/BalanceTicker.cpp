#include "core/session/BalanceTicker.h"

#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/session/QtSecondTimer.h"
#include "core/session/SessionState.h"

BalanceTicker::BalanceTicker(const SessionState& session, QObject* mainWindow, std::unique_ptr<SecondTimer> timer)
    : m_session(session)
    , m_mainWindow(mainWindow)
    , m_timer(timer ? std::move(timer) : std::make_unique<QtSecondTimer>())
{
}

BalanceTicker::~BalanceTicker()
{
    stop();
}

bool BalanceTicker::start()
{
    if (m_running || !m_session.isSignedIn())
        return false;
    m_running = true;
    m_counter = 0;
    m_timer->start([this] { onSecond(); });
    // The first round counts at once, so the first refresh comes after 30 seconds
    // and every later one 31 seconds after the previous.
    onSecond();
    return true;
}

void BalanceTicker::stop()
{
    if (!m_running)
        return;
    m_running = false;
    m_timer->stop();
}

void BalanceTicker::onSecond()
{
    if (!m_running)
        return;
    if (!m_session.isSignedIn()) {
        stop();
        return;
    }
    if (++m_counter > kSecondsBetweenPosts) {
        postAppEvent(m_mainWindow.data(), Msg::RefreshBalance);
        m_counter = 0;
    }
}
