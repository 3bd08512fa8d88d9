#pragma once

#include <functional>

// A source of one-second ticks; injectable so tests drive time by hand.
class SecondTimer {
public:
    virtual ~SecondTimer() = default;
    virtual void start(std::function<void()> onSecond) = 0;
    virtual void stop() = 0;
};
