#include "core/session/LoginFlow.h"

#include <QByteArray>
#include <QtGlobal>

LoginFlow::LoginFlow(int timeoutMs)
    : m_timeoutTicks(qMax(1, timeoutMs / kTickMs))
{
}

int LoginFlow::timeoutMsFromEnvironment()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("CORVANA_LOGIN_TIMEOUT_MS", &ok);
    return ok && ms > 0 ? ms : kDefaultTimeoutMs;
}

LoginFlow::Press LoginFlow::press()
{
    if (m_running) {
        m_running = false;
        m_cancelled = true;
        return Press::Cancel;
    }
    m_running = true;
    m_cancelled = false;
    m_loadsStarted = false;
    m_ticks = 0;
    return Press::Start;
}

LoginFlow::Tick LoginFlow::tick(int signInResult)
{
    ++m_ticks;
    if (m_ticks > m_timeoutTicks) {
        m_running = false;
        m_cancelled = true;
        m_ticks = 0;
        return Tick::TimedOut;
    }
    if (signInResult == 0) {
        if (m_loadsStarted)
            return Tick::SignedIn;
        m_loadsStarted = true;
        return Tick::StartLoads;
    }
    if (signInResult > 0) {
        m_running = false;
        return Tick::Refused;
    }
    return Tick::Wait;
}

void LoginFlow::finish()
{
    m_running = false;
}
