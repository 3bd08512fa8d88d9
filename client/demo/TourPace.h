#pragma once

#include <QEventLoop>
#include <QTimer>

#include <chrono>

// How the tour gives the program time: the shots are taken of a running program
// whose answers come from a service at a person's pace.
namespace tourPace {

// Lets events, replies and the simulated calls move on for a while.
inline void let(std::chrono::milliseconds time)
{
    QEventLoop loop;
    QTimer::singleShot(time, &loop, &QEventLoop::quit);
    loop.exec();
}

// Waits until ready() holds or the limit passes.
template <typename Ready> void letUntil(Ready ready, std::chrono::milliseconds limit)
{
    using namespace std::chrono_literals;
    for (auto waited = 0ms; waited < limit && !ready(); waited += 100ms)
        let(100ms);
}

} // namespace tourPace
