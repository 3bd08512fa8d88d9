#pragma once

#include <atomic>

namespace cvservice {

// Faults the monitor server can be told to inject into what it sends, so that clients
// are tested against a network that misbehaves. Each switch stays on until switched
// off and applies to every connection. Safe to toggle from any thread.
class MonitorFaults {
public:
    enum Fault {
        DropConnection, // close the connection instead of sending the next message
        SplitMessage, // send each message in two parts with a short pause between
        CoalesceMessages, // hold a status message back and send it together with the next one
        SendGarbage, // send a block of bytes that is not JSON before each message
        FaultCount
    };

    void set(Fault fault, bool on) { m_switches[fault].store(on); }
    bool enabled(Fault fault) const { return m_switches[fault].load(); }

    void clear()
    {
        for (auto& on : m_switches)
            on.store(false);
    }

private:
    std::atomic<bool> m_switches[FaultCount] {};
};

} // namespace cvservice
