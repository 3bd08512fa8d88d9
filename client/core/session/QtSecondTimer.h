#pragma once

#include "core/session/SecondTimer.h"

#include <QTimer>

// SecondTimer on the GUI thread's event loop.
class QtSecondTimer : public SecondTimer {
public:
    QtSecondTimer();
    void start(std::function<void()> onSecond) override;
    void stop() override;

private:
    QTimer m_timer;
    std::function<void()> m_onSecond;
};
