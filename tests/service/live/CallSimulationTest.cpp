#include "CallSimulation.h"
#include "MemberId.h"
#include "service/StatusCodes.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace cvservice;
using namespace std::chrono_literals;

namespace {

constexpr const char* kOwner = "13800000000";
constexpr const char* kId = "2026120700001";

LiveConference conference(bool autoRecall = false)
{
    LiveConference result;
    result.conferenceId = kId;
    result.owner = kOwner;
    result.hostNumber = kOwner;
    result.autoRecall = autoRecall;
    result.startedAt = std::chrono::system_clock::time_point(std::chrono::hours(24 * 365 * 50));
    result.members = { { "张三", "13900000001" }, { "李四", "13900000002" }, { "王五", "13900000003" } };
    return result;
}

SimulationSettings settings(double answer, double drop = 0.0)
{
    SimulationSettings result;
    result.seed = 7;
    result.fast = true;
    result.answerProbability = answer;
    result.dropProbability = drop;
    return result;
}

const LiveMember& member(const LiveConference& state, const std::string& phone)
{
    auto found = std::find_if(state.members.begin(), state.members.end(),
        [&](const LiveMember& candidate) { return candidate.phone == phone; });
    EXPECT_NE(found, state.members.end()) << phone;
    return *found;
}

bool listed(const LiveConference& state, const std::string& phone)
{
    return std::any_of(state.members.begin(), state.members.end(),
        [&](const LiveMember& candidate) { return candidate.phone == phone; });
}

// A simulation started at t0 with everyone answering, advanced until all have joined.
class Running : public ::testing::Test {
protected:
    void SetUp() override
    {
        sim.start(conference(), t0);
        now = t0 + sim.timings().answerMax;
        sim.advance(now);
    }

    LiveConference state() { return *sim.snapshot(kId); }
    int send(int command, const std::string& phoneId = {}) { return sim.control(kOwner, kId, command, phoneId, now); }

    CallSimulation sim { settings(1.0) };
    CallSimulation::Time t0 = CallSimulation::Time() + 1h;
    CallSimulation::Time now;
};

} // namespace

TEST(CallSimulation, MembersRingThenJoinWithTheHostListedFirst)
{
    CallSimulation sim(settings(1.0));
    const auto t0 = CallSimulation::Time() + 1h;
    sim.start(conference(), t0);

    LiveConference ringing = *sim.snapshot(kId);
    ASSERT_EQ(ringing.members.size(), 4u);
    EXPECT_EQ(ringing.members[0].phone, kOwner);
    for (const LiveMember& each : ringing.members)
        EXPECT_EQ(each.callstate, 0) << each.phone;
    EXPECT_EQ(sim.advance(t0).changed.size(), 1u); // the start itself is news

    sim.advance(t0 + sim.timings().answerMin - 1ms);
    const LiveConference early = *sim.snapshot(kId);
    for (const LiveMember& each : early.members)
        EXPECT_EQ(each.callstate, 0) << each.phone;

    sim.advance(t0 + sim.timings().answerMax);
    const LiveConference joined = *sim.snapshot(kId);
    for (const LiveMember& each : joined.members) {
        EXPECT_EQ(each.callstate, 1) << each.phone;
        EXPECT_EQ(each.speakstate, 1) << each.phone;
    }
}

TEST(CallSimulation, UnansweredCallsRingOutButTheHostAlwaysAnswers)
{
    CallSimulation sim(settings(0.0));
    const auto t0 = CallSimulation::Time() + 1h;
    sim.start(conference(), t0);
    sim.advance(t0 + sim.timings().ringOutMin - 1ms);
    EXPECT_EQ(member(*sim.snapshot(kId), "13900000001").callstate, 0);

    sim.advance(t0 + sim.timings().ringOutMax);
    const LiveConference state = *sim.snapshot(kId);
    EXPECT_EQ(member(state, kOwner).callstate, 1);
    for (const char* phone : { "13900000001", "13900000002", "13900000003" })
        EXPECT_EQ(member(state, phone).callstate, 3) << phone;
}

TEST(CallSimulation, SameSeedReplaysTheSameConference)
{
    const auto run = [] {
        CallSimulation sim(settings(0.5, 0.2));
        const auto t0 = CallSimulation::Time() + 1h;
        sim.start(conference(true), t0);
        std::vector<std::string> trace;
        for (auto t = t0; t < t0 + 2s; t += 7ms) {
            for (const LiveConference& state : sim.advance(t).changed) {
                std::string line;
                for (const LiveMember& each : state.members)
                    line += std::to_string(each.callstate) + std::to_string(each.speakstate)
                        + std::to_string(each.activetalker);
                trace.push_back(line);
            }
        }
        return trace;
    };
    const auto first = run();
    EXPECT_GT(first.size(), 5u);
    EXPECT_EQ(first, run());
}

TEST(CallSimulation, DuplicateMembersAndUnusablePhonesAreDropped)
{
    CallSimulation sim(settings(1.0));
    LiveConference start = conference();
    start.members.push_back({ "again", "13900000001" });
    start.members.push_back({ "host twice", kOwner });
    start.members.push_back({ "bad", "13x" });
    start.members.push_back({ "none", "" });
    sim.start(start, CallSimulation::Time() + 1h);
    EXPECT_EQ(sim.snapshot(kId)->members.size(), 4u);
}

TEST_F(Running, ExactlyOneSpeakerTalksAndMutedMembersNever)
{
    ASSERT_EQ(send(0), kOk); // mute everyone: only the host may still talk
    for (int i = 0; i < 20; ++i) {
        now += sim.timings().talkMax;
        sim.advance(now);
        const LiveConference current = state();
        int talkers = 0;
        for (const LiveMember& each : current.members) {
            talkers += each.activetalker;
            if (each.speakstate != 1) {
                EXPECT_EQ(each.activetalker, 0) << each.phone;
            }
        }
        EXPECT_EQ(talkers, 1);
        EXPECT_EQ(member(current, kOwner).activetalker, 1);
    }
}

TEST_F(Running, MuteAndUnmuteEveryone)
{
    ASSERT_EQ(send(0), kOk);
    LiveConference muted = state();
    EXPECT_TRUE(muted.muteAll);
    EXPECT_EQ(member(muted, kOwner).speakstate, 1);
    EXPECT_EQ(member(muted, "13900000001").speakstate, 2);

    // A member who joins while everyone is muted joins muted.
    ASSERT_EQ(send(6, "13900000002,李四"), kOk);
    ASSERT_EQ(send(5, "13900000002,李四"), kOk);
    now += sim.timings().answerMax;
    sim.advance(now);
    EXPECT_EQ(member(state(), "13900000002").speakstate, 2);

    ASSERT_EQ(send(1), kOk);
    EXPECT_FALSE(state().muteAll);
    for (const LiveMember& each : state().members)
        EXPECT_EQ(each.speakstate, 1) << each.phone;
}

TEST_F(Running, SpeakControlOfOneMember)
{
    ASSERT_EQ(send(2, "13900000001,张三"), kOk);
    EXPECT_EQ(member(state(), "13900000001").speakstate, 0);
    EXPECT_EQ(member(state(), "13900000001").activetalker, 0);
    ASSERT_EQ(send(2, " 13900000001 "), kOk); // the phone alone, blanks around it
    EXPECT_EQ(member(state(), "13900000001").speakstate, 1);

    ASSERT_EQ(send(0), kOk);
    ASSERT_EQ(send(3, "13900000001,张三"), kOk);
    EXPECT_EQ(member(state(), "13900000001").speakstate, 1);
    EXPECT_EQ(member(state(), "13900000002").speakstate, 2);
}

TEST_F(Running, HangUpCallAndRemove)
{
    ASSERT_EQ(send(6, "13900000001,张三"), kOk);
    EXPECT_EQ(member(state(), "13900000001").callstate, 2);

    ASSERT_EQ(send(5, "13900000001,张三"), kOk);
    EXPECT_EQ(member(state(), "13900000001").callstate, 0);
    now += sim.timings().answerMax;
    sim.advance(now);
    EXPECT_EQ(member(state(), "13900000001").callstate, 1);

    // Hanging up a call that still rings stops it from joining later.
    ASSERT_EQ(send(6, "13900000001"), kOk);
    ASSERT_EQ(send(5, "13900000001"), kOk);
    ASSERT_EQ(send(6, "13900000001"), kOk);
    now += sim.timings().ringOutMax;
    sim.advance(now);
    EXPECT_EQ(member(state(), "13900000001").callstate, 2);

    // Calling a number the conference does not have adds it.
    ASSERT_EQ(send(5, "13700000009,赵六"), kOk);
    EXPECT_EQ(member(state(), "13700000009").name, "赵六");
    EXPECT_EQ(member(state(), "13700000009").callstate, 0);

    ASSERT_EQ(send(10, "13900000002"), kOk);
    EXPECT_FALSE(listed(state(), "13900000002"));
    EXPECT_EQ(send(6, "13900000002,李四"), kNoSuchMember);
}

TEST(CallSimulation, RecallAllCallsOnlyThoseNotInTheConference)
{
    CallSimulation sim(settings(0.0));
    const auto t0 = CallSimulation::Time() + 1h;
    sim.start(conference(), t0);
    auto now = t0 + sim.timings().ringOutMax;
    sim.advance(now);
    ASSERT_EQ(sim.control(kOwner, kId, 12, "", now), kOk);
    const LiveConference state = *sim.snapshot(kId);
    EXPECT_EQ(member(state, kOwner).callstate, 1);
    for (const char* phone : { "13900000001", "13900000002", "13900000003" })
        EXPECT_EQ(member(state, phone).callstate, 0) << phone;
}

TEST(CallSimulation, AutoRecallRedialsMembersWhoDropped)
{
    for (const bool autoRecall : { false, true }) {
        CallSimulation sim(settings(1.0, 1.0));
        const auto t0 = CallSimulation::Time() + 1h;
        sim.start(conference(autoRecall), t0);
        auto now = t0 + sim.timings().answerMax;
        sim.advance(now);
        ASSERT_EQ(sim.control(kOwner, kId, 6, "13900000002", now), kOk); // hung up on purpose: stays so
        // The next change of talker drops every joined member but the host.
        LiveConference dropped;
        while (true) {
            now += 1ms;
            sim.advance(now);
            dropped = *sim.snapshot(kId);
            if (member(dropped, "13900000001").callstate != 1)
                break;
        }
        EXPECT_EQ(member(dropped, "13900000001").callstate, 2);
        EXPECT_EQ(member(dropped, kOwner).callstate, 1);

        sim.advance(now + sim.timings().redial);
        const LiveConference later = *sim.snapshot(kId);
        EXPECT_EQ(member(later, "13900000001").callstate, autoRecall ? 0 : 2) << autoRecall;
        EXPECT_EQ(member(later, "13900000002").callstate, 2) << autoRecall;
    }
}

TEST_F(Running, EndingHangsUpEveryoneAndReportsOnce)
{
    ASSERT_EQ(send(16), kOk);
    now += 1500ms;
    ASSERT_EQ(send(17), kOk);
    now += 2000ms; // paused: not recorded
    ASSERT_EQ(send(16), kOk);
    ASSERT_EQ(send(6, "13900000003"), kOk);
    now += 1000ms;
    ASSERT_EQ(send(9), kOk);

    const LiveConference ended = state();
    EXPECT_EQ(ended.conferencestate, 2);
    for (const LiveMember& each : ended.members) {
        EXPECT_EQ(each.callstate, 2) << each.phone;
        EXPECT_EQ(each.activetalker, 0) << each.phone;
    }
    EXPECT_EQ(ended.recordedSeconds, 3);
    EXPECT_EQ(std::chrono::duration_cast<std::chrono::milliseconds>(ended.endedAt - ended.startedAt),
        std::chrono::duration_cast<std::chrono::milliseconds>(now - t0));
    const auto joined = [&](const std::string& phone) {
        for (const auto& [each, seconds] : ended.joinedSeconds) {
            if (each == phone)
                return seconds;
        }
        return -1;
    };
    // Everyone had joined within answerMax (40 ms) of the start and the end came 4.5 s
    // after that; the third member left 1 s early. Started seconds count whole.
    EXPECT_EQ(joined(kOwner), 5);
    EXPECT_EQ(joined("13900000001"), 5);
    EXPECT_EQ(joined("13900000003"), 4);

    const auto step = sim.advance(now);
    ASSERT_EQ(step.ended.size(), 1u);
    EXPECT_EQ(step.ended[0].conferencestate, 2);
    EXPECT_TRUE(sim.advance(now + 1h).ended.empty());
    EXPECT_TRUE(sim.running(kOwner).empty());
    EXPECT_EQ(sim.nextDue(), CallSimulation::Time::max());
}

TEST_F(Running, RefusedCommands)
{
    EXPECT_EQ(sim.control(kOwner, "9999999999", 0, "", now), kNoSuchConference);
    EXPECT_EQ(sim.control("13811111111", kId, 0, "", now), kNotYourConference);
    EXPECT_EQ(send(4), kUnknownCommand);
    EXPECT_EQ(send(-1), kUnknownCommand);
    EXPECT_EQ(send(6, "13600000000,nobody"), kNoSuchMember);
    EXPECT_EQ(send(2, ""), kNoSuchMember);
    EXPECT_EQ(send(5, "abc,name"), kNoSuchMember);
    EXPECT_EQ(send(9), kOk);
    EXPECT_EQ(send(0), kConferenceEnded);
    EXPECT_EQ(send(9), kConferenceEnded);
}

TEST_F(Running, HeartbeatRepeatsTheStateOfAQuietConference)
{
    CallSimulation quiet(settings(1.0));
    LiveConference alone = conference();
    alone.members.clear();
    alone.hostNumber.clear(); // nobody to call, nobody to talk: only the heartbeat speaks
    quiet.start(alone, t0);
    EXPECT_EQ(quiet.advance(t0).changed.size(), 1u);
    EXPECT_TRUE(quiet.advance(t0 + quiet.timings().heartbeat - 1ms).changed.empty());
    EXPECT_EQ(quiet.advance(t0 + quiet.timings().heartbeat).changed.size(), 1u);
    EXPECT_LE(quiet.nextDue(), t0 + 2 * quiet.timings().heartbeat);
}

TEST(MemberId, PhoneAndOptionalName)
{
    EXPECT_EQ(MemberId::parse("13900000001,张三")->name, "张三");
    EXPECT_EQ(MemberId::parse(" 010-88886666 , 王五 ")->phone, "010-88886666");
    EXPECT_EQ(MemberId::parse("13900000001")->name, "");
    EXPECT_EQ(MemberId::parse("13900000001,a,b")->name, "a,b");
    EXPECT_FALSE(MemberId::parse(""));
    EXPECT_FALSE(MemberId::parse(",张三"));
    EXPECT_FALSE(MemberId::parse("1390000000x"));
    EXPECT_FALSE(MemberId::parse(std::string(33, '1')));
}
