#include "core/conference/RosterClock.h"

RosterClock RosterClock::system()
{
    return { [] { return std::chrono::steady_clock::now(); }, [] { return std::chrono::system_clock::now(); } };
}
