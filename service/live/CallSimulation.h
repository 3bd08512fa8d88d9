#pragma once

#include "ConferenceHub.h"
#include "MemberChurn.h"
#include "SimulationTimings.h"

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace cvservice {

// The calls of every running conference as a plain state machine driven by the time
// its caller passes in, so that tests replay a whole conference without waiting.
// Not thread-safe: ConferenceHub serialises every call.
class CallSimulation {
public:
    using Time = std::chrono::steady_clock::time_point;

    struct Step {
        std::vector<LiveConference> changed; // changed since the last step, or heartbeat due
        std::vector<LiveConference> ended; // ended since the last step, final state
    };

    explicit CallSimulation(SimulationSettings settings);

    void start(LiveConference conference, Time now);
    // A conference whose members (the host's line aside) are not called but churn:
    // they start in the churn's states, change at its pace once the conference is
    // first watched, and the conference ends when the churn's time is up. Nobody
    // talks or drops on their own. Control commands work as in any conference.
    void startChurning(LiveConference conference, ChurnPace pace, Time now);
    // Someone began watching the conference: a churn that waits for that begins.
    void watched(const std::string& conferenceId, Time now);
    int control(
        const std::string& owner, const std::string& conferenceId, int command, const std::string& phoneId, Time now);

    // Runs every call event due up to now, in time order.
    Step advance(Time now);

    // When advance has something to do next; Time::max() when nothing runs.
    Time nextDue() const;

    std::optional<LiveConference> snapshot(const std::string& conferenceId) const;
    std::vector<LiveConference> running(const std::string& owner) const;
    std::optional<ChurnRecord> churnRecord(const std::string& conferenceId) const;

    const SimulationTimings& timings() const { return m_timings; }

private:
    enum class Pending { None, Answer, RingOut, Redial };

    struct Member {
        LiveMember live;
        bool host = false;
        Pending pending = Pending::None;
        Time due = Time::max();
        Time joinedSince;
    };

    struct Conference {
        LiveConference info; // members live in `members` below
        std::vector<Member> members;
        Time startedAt;
        Time nextTalk;
        Time nextHeartbeat;
        Time recordingSince;
        std::chrono::milliseconds recorded { 0 };
        std::vector<std::pair<std::string, std::chrono::milliseconds>> joinedTime; // by phone, first-seen order
        bool changed = true;
        bool endReported = false;
        std::optional<MemberChurn> churn;
    };

    Conference* admit(LiveConference conference, Time now);
    void churnOnce(Conference& conference, Time now);
    int memberCommand(Conference& conference, int command, const std::string& phoneId, Time now);
    LiveConference view(const Conference& conference) const;
    Member* findMember(Conference& conference, const std::string& phone);
    void ring(Member& member, Time now);
    void join(Conference& conference, Member& member, Time now);
    void leave(Conference& conference, Member& member, Time now, int callstate);
    void talk(Conference& conference, Time now);
    void end(Conference& conference, Time now);
    void runDue(Conference& conference, Time until);
    Time nextEvent(const Conference& conference) const;
    std::chrono::milliseconds between(std::chrono::milliseconds low, std::chrono::milliseconds high);
    bool chance(double probability);
    void pruneEnded();

    SimulationSettings m_settings;
    SimulationTimings m_timings;
    std::mt19937 m_random;
    std::map<std::string, Conference> m_conferences;
    std::vector<std::string> m_endedOrder; // oldest first, for pruning
};

} // namespace cvservice
