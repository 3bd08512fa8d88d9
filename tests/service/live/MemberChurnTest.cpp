#include "MemberChurn.h"
#include "CallSimulation.h"
#include "service/StatusCodes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

using namespace cvservice;
using namespace std::chrono_literals;

namespace {

constexpr const char* kOwner = "13800000000";
constexpr const char* kId = "2026120700001";

std::vector<std::string> phones(int count)
{
    std::vector<std::string> result;
    for (int i = 0; i < count; ++i)
        result.push_back(std::to_string(13900000000LL + i));
    return result;
}

LiveConference conference(int members)
{
    LiveConference result;
    result.conferenceId = kId;
    result.owner = kOwner;
    result.hostNumber = kOwner;
    for (const std::string& phone : phones(members))
        result.members.push_back({ "成员", phone });
    return result;
}

SimulationSettings settings()
{
    SimulationSettings result;
    result.seed = 11;
    result.fast = true;
    result.answerProbability = 0.5; // a member who is called would show it
    result.dropProbability = 0.5; // and one who talks would drop
    return result;
}

ChurnState stateOf(const LiveMember& member)
{
    return { member.callstate, member.speakstate, member.activetalker };
}

} // namespace

TEST(MemberChurn, MembersTakeTurnsARoundApartAndEveryChangeIsAChange)
{
    MemberChurn churn(phones(7), ChurnPace { 10, 3s }, 5);
    const auto t0 = MemberChurn::Time() + 1h;
    EXPECT_EQ(churn.nextDue(), MemberChurn::Time::max()) << "nothing is due before the beginning";
    churn.begin(t0);
    churn.begin(t0 + 1s);

    std::vector<std::size_t> turns;
    while (!churn.finished()) {
        const auto k = static_cast<long long>(turns.size());
        EXPECT_EQ(churn.nextDue(), t0 + std::chrono::milliseconds(100 * k + 50)) << k;
        const std::size_t member = churn.nextMember();
        turns.push_back(member);
        const ChurnState before = churn.record().history[member].back();
        EXPECT_NE(churn.change(before), before) << k;
    }
    ASSERT_EQ(turns.size(), 30u);
    EXPECT_EQ(churn.nextDue(), t0 + 3s) << "the end, half a period after the last change";
    EXPECT_EQ(std::set<std::size_t>(turns.begin(), turns.begin() + 7).size(), 7u) << "each member once a round";
    for (std::size_t k = 7; k < turns.size(); ++k)
        EXPECT_EQ(turns[k], turns[k - 7]) << "the same order every round";

    const ChurnRecord record = churn.record();
    EXPECT_TRUE(record.begun);
    EXPECT_EQ(record.made, 30);
    EXPECT_EQ(record.planned, 30);
    std::size_t states = 0;
    for (const auto& history : record.history) {
        states += history.size();
        for (const ChurnState& state : history)
            EXPECT_NE(std::find(MemberChurn::states().begin(), MemberChurn::states().end(), state),
                MemberChurn::states().end());
    }
    EXPECT_EQ(states, 7u + 30u) << "a first state each, and one per change";
}

TEST(MemberChurn, AChurningConferenceChangesOnlyWhileWatchedAndEndsOnTime)
{
    CallSimulation sim(settings());
    const auto t0 = CallSimulation::Time() + 1h;
    sim.startChurning(conference(20), ChurnPace { 20, 2s }, t0);
    const ChurnRecord first = *sim.churnRecord(kId);
    EXPECT_FALSE(first.begun);
    EXPECT_EQ(first.planned, 40);

    const LiveConference start = *sim.snapshot(kId);
    ASSERT_EQ(start.members.size(), 21u);
    EXPECT_EQ(start.members[0].phone, kOwner);
    EXPECT_EQ(stateOf(start.members[0]), (ChurnState { 1, 1, 0 })) << "the host's line is in and stays so";
    for (std::size_t i = 1; i < start.members.size(); ++i)
        EXPECT_EQ(stateOf(start.members[i]), first.history[i - 1].front()) << "nobody is called";

    // Unwatched, a churning conference only keeps its heartbeat.
    sim.advance(t0);
    const auto t1 = t0 + 30s;
    sim.advance(t1);
    EXPECT_EQ(sim.churnRecord(kId)->made, 0);
    EXPECT_EQ(sim.snapshot(kId)->members.size(), start.members.size());
    for (std::size_t i = 0; i < start.members.size(); ++i)
        EXPECT_EQ(stateOf(sim.snapshot(kId)->members[i]), stateOf(start.members[i]));

    // Watched from t1 and advanced in 10 ms steps: every change is one report of
    // exactly one member in a new state, and the last ones are reported running.
    sim.watched(kId, t1);
    LiveConference seen = *sim.snapshot(kId);
    std::map<std::string, std::vector<ChurnState>> watched;
    for (const LiveMember& member : seen.members)
        watched[member.phone].push_back(stateOf(member));
    int changes = 0;
    bool ended = false;
    CallSimulation::Time endedAt;
    for (auto t = t1; t <= t1 + 3s && !ended; t += 10ms) {
        const CallSimulation::Step step = sim.advance(t);
        for (const LiveConference& state : step.changed) {
            if (state.conferencestate != 1) {
                ended = true;
                endedAt = t;
                break;
            }
            int differing = 0;
            for (std::size_t i = 0; i < state.members.size(); ++i) {
                if (stateOf(state.members[i]) == stateOf(seen.members[i]))
                    continue;
                ++differing;
                watched[state.members[i].phone].push_back(stateOf(state.members[i]));
            }
            EXPECT_LE(differing, 1) << "changes 50 ms apart, reports 10 ms apart";
            changes += differing;
            seen = state;
        }
    }
    ASSERT_TRUE(ended);
    EXPECT_EQ(endedAt, t1 + 2s);
    EXPECT_EQ(changes, 40);
    const ChurnRecord record = *sim.churnRecord(kId);
    EXPECT_TRUE(record.ended);
    EXPECT_EQ(record.made, 40);
    for (std::size_t i = 0; i < record.phones.size(); ++i)
        EXPECT_EQ(watched[record.phones[i]], record.history[i]) << "what a watcher saw is what the churn did";
    EXPECT_EQ(watched[kOwner].size(), 1u);
}

TEST(MemberChurn, TheLastChangesAreReportedBeforeTheEndEvenWhenOneStepCoversBoth)
{
    CallSimulation sim(settings());
    const auto t0 = CallSimulation::Time() + 1h;
    sim.startChurning(conference(10), ChurnPace { 10, 3s }, t0);
    sim.advance(t0);
    sim.watched(kId, t0);

    const CallSimulation::Step late = sim.advance(t0 + 1min);
    ASSERT_EQ(late.changed.size(), 1u);
    EXPECT_TRUE(late.ended.empty());
    const LiveConference last = late.changed[0];
    EXPECT_EQ(last.conferencestate, 1);
    const ChurnRecord record = *sim.churnRecord(kId);
    EXPECT_EQ(record.made, 30);
    for (std::size_t i = 0; i < record.phones.size(); ++i)
        EXPECT_EQ(stateOf(last.members[i + 1]), record.history[i].back()) << record.phones[i];

    const CallSimulation::Step end = sim.advance(t0 + 1min);
    ASSERT_EQ(end.ended.size(), 1u);
    EXPECT_EQ(end.ended[0].conferencestate, 2);
    EXPECT_EQ(sim.nextDue(), CallSimulation::Time::max());
}

TEST(MemberChurn, CommandsStillWorkAndARemovedMemberLosesItsTurns)
{
    CallSimulation sim(settings());
    const auto t0 = CallSimulation::Time() + 1h;
    sim.startChurning(conference(10), ChurnPace { 10, 3s }, t0);
    sim.watched(kId, t0);
    EXPECT_EQ(sim.control(kOwner, kId, 10, "13900000004", t0 + 1ms), kOk);
    EXPECT_EQ(sim.control(kOwner, kId, 16, "", t0 + 1500ms), kOk);
    sim.advance(t0 + 3s); // the last changes, reported
    EXPECT_EQ(sim.control(kOwner, kId, 17, "", t0 + 3s), kConferenceEnded) << "the end was due before the command";
    const ChurnRecord record = *sim.churnRecord(kId);
    EXPECT_TRUE(record.ended);
    EXPECT_EQ(record.made, 27) << "three turns each, none for the removed member";
    EXPECT_EQ(sim.snapshot(kId)->recordedSeconds, 2);
}
