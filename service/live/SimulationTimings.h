#pragma once

#include <chrono>

namespace cvservice {

// How long the simulated calls take. Fast mode keeps the same shape in milliseconds
// so that tests see whole conferences within a second.
struct SimulationTimings {
    using ms = std::chrono::milliseconds;

    ms answerMin; // ringing before a member answers
    ms answerMax;
    ms ringOutMin; // ringing before a member who will not answer gives up
    ms ringOutMax;
    ms talkMin; // between changes of the active talker
    ms talkMax;
    ms redial; // before auto recall calls a dropped member again
    ms heartbeat; // longest silence towards a watcher of a running conference

    static SimulationTimings forMode(bool fast)
    {
        if (fast)
            return { ms(10), ms(40), ms(60), ms(100), ms(20), ms(50), ms(30), ms(200) };
        return { ms(2000), ms(6000), ms(20000), ms(30000), ms(2000), ms(5000), ms(3000), ms(5000) };
    }
};

} // namespace cvservice
