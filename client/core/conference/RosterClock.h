#pragma once

#include <chrono>
#include <functional>

// Where a LiveRoster reads the time: a steady clock for the speaking holds, the wall
// clock for the time a member joined. Tests put their own functions in.
struct RosterClock {
    std::function<std::chrono::steady_clock::time_point()> steady;
    std::function<std::chrono::system_clock::time_point()> wall;

    static RosterClock system();
};
