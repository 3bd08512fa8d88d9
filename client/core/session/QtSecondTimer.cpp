#include "core/session/QtSecondTimer.h"

QtSecondTimer::QtSecondTimer()
{
    m_timer.setInterval(1000);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
        if (m_onSecond)
            m_onSecond();
    });
}

void QtSecondTimer::start(std::function<void()> onSecond)
{
    m_onSecond = std::move(onSecond);
    m_timer.start();
}

void QtSecondTimer::stop()
{
    m_timer.stop();
}
