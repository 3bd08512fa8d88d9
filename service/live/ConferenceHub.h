#pragma once

#include "MemberChurn.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace cvservice {

// One member of a running conference as the live view shows it.
struct LiveMember {
    std::string name;
    std::string phone;
    int callstate = 0; // 0 ringing, 1 joined, 2 hung up / left, 3 no answer
    int speakstate = 0; // 0 listening, 1 speaking, 2 muted
    int activetalker = 0; // 1 while this member is the one talking
};

struct LiveConference {
    std::string conferenceId;
    std::string owner; // regphoneid
    std::string hostNumber;
    std::string title;
    int conferencestate = 1; // 1 running, 2 ended
    bool autoRecall = false;
    bool muteAll = false;
    bool recording = false;
    std::vector<LiveMember> members;
    std::chrono::system_clock::time_point startedAt;
    std::chrono::system_clock::time_point endedAt; // set when conferencestate is 2
    // Seconds each member spent joined, by phone, and seconds recorded in total;
    // complete once the conference has ended (for charges and recordings).
    std::vector<std::pair<std::string, int>> joinedSeconds;
    int recordedSeconds = 0;
};

struct SimulationSettings {
    std::uint32_t seed = 1;
    bool fast = false; // every delay shortened, for tests
    double answerProbability = 0.85; // the rest ring out and end in callstate 3
    double dropProbability = 0.01; // per joined member at each change of talker
};

// The live side of the service: every running conference, the call simulation that
// drives its members, and notification of every change. Thread-safe.
class ConferenceHub {
public:
    using Listener = std::function<void(const LiveConference&)>;

    explicit ConferenceHub(SimulationSettings settings);
    ~ConferenceHub();
    ConferenceHub(const ConferenceHub&) = delete;
    ConferenceHub& operator=(const ConferenceHub&) = delete;

    // Starts a conference with its members (name, phone) and the host's own line;
    // every member starts being called at once. A second start of a known id is
    // ignored; members with the same phone are called once.
    void start(LiveConference conference);
    // Starts a conference whose members churn (CallSimulation::startChurning); the
    // churn begins when the conference is first watched.
    void startChurning(LiveConference conference, ChurnPace pace);

    // One ConferenceControl command (0, 1, 2, 3, 5, 6, 9, 10, 12, 16, 17). phoneId is
    // "phone,name" or "phone" as the client sends it; command 5 with a phone the
    // conference does not have adds that member. Returns 0 or a status code of
    // service/StatusCodes.h.
    int control(const std::string& owner, const std::string& conferenceId, int command, const std::string& phoneId);

    // Running conferences and recently ended ones (state 2).
    std::optional<LiveConference> snapshot(const std::string& conferenceId) const;
    std::vector<LiveConference> running(const std::string& owner) const;
    // What the churn of a churning conference has done; nothing for another conference.
    std::optional<ChurnRecord> churnRecord(const std::string& conferenceId) const;

    // The listener first hears the conference's current state, then every change
    // (members, flags, end) and a steady heartbeat, all on the hub's own thread. It may
    // unsubscribe itself but must not call anything else of the hub. After
    // unsubscribe returns, the listener is not called again.
    std::uint64_t subscribe(const std::string& conferenceId, Listener listener);
    void unsubscribe(std::uint64_t token);

    // Called once when a conference has ended, with its final state (for the store),
    // before any subscriber hears of the end.
    void onEnded(Listener listener);

    // Stops the simulation's thread; running conferences are not ended. Idempotent.
    void stop();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace cvservice
