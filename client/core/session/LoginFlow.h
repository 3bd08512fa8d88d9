#pragma once

// The sign-in attempt's bookkeeping, without widgets: whether an attempt runs,
// whether the last one was abandoned, whether its session loads were started, and
// the 200 ms ticks that bound how long an attempt may wait for the service.
//
// Every attempt gets its own budget: the tick count starts over with each attempt,
// so a slow first attempt cannot shorten the next one.
class LoginFlow {
public:
    static constexpr int kTickMs = 200;
    static constexpr int kDefaultTimeoutMs = 60000;

    // What a press of the sign-in button (or Enter) means in the current state.
    enum class Press { Start, Cancel };

    // What the dialog must do after a timer tick.
    enum class Tick {
        Wait, // the service has not answered yet
        TimedOut, // the budget is spent: abandon the attempt and say so
        StartLoads, // the service accepted: start the session loads (once)
        SignedIn, // accepted and loads already started: keep waiting for the main window
        Refused, // the service refused: back to idle
    };

    explicit LoginFlow(int timeoutMs = timeoutMsFromEnvironment());

    // The attempt's budget: CORVANA_LOGIN_TIMEOUT_MS when set to a positive number
    // (tests shorten it), otherwise 60 seconds.
    static int timeoutMsFromEnvironment();

    // Start or cancel, as the button press demands. Start clears "cancelled", the
    // loads flag and the tick count; Cancel marks the attempt abandoned.
    Press press();

    // One timer tick, given the session's current sign-in result.
    Tick tick(int signInResult);

    // The attempt ended with a refusal or a failure seen outside the timer.
    void finish();

    bool running() const { return m_running; }
    bool cancelled() const { return m_cancelled; }
    bool loadsStarted() const { return m_loadsStarted; }
    int ticks() const { return m_ticks; }
    int timeoutTicks() const { return m_timeoutTicks; }

private:
    int m_timeoutTicks;
    int m_ticks = 0;
    bool m_running = false;
    bool m_cancelled = false;
    bool m_loadsStarted = false;
};
