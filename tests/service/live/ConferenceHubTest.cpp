#include "ConferenceHub.h"
#include "service/StatusCodes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

using namespace cvservice;
using namespace std::chrono_literals;

namespace {

constexpr const char* kOwner = "13800000000";
constexpr const char* kId = "2026120700001";

// Collects what a listener hears, from the hub's thread.
class Recorder {
public:
    void add(const std::string& who, const LiveConference& state)
    {
        std::lock_guard lock(m_mutex);
        m_events.emplace_back(who, state);
        m_changed.notify_all();
    }

    bool waitFor(const std::function<bool(const std::vector<std::pair<std::string, LiveConference>>&)>& done)
    {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, 10s, [&] { return done(m_events); });
    }

    std::vector<std::pair<std::string, LiveConference>> events()
    {
        std::lock_guard lock(m_mutex);
        return m_events;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::pair<std::string, LiveConference>> m_events;
};

LiveConference conference()
{
    LiveConference result;
    result.conferenceId = kId;
    result.owner = kOwner;
    result.hostNumber = kOwner;
    result.members = { { "张三", "13900000001" } };
    return result;
}

SimulationSettings fast()
{
    SimulationSettings settings;
    settings.fast = true;
    settings.answerProbability = 1.0;
    return settings;
}

} // namespace

TEST(ConferenceHub, StoreHearsOfTheEndOnceAndBeforeAnyWatcher)
{
    Recorder recorder; // outlives the hub, whose thread calls it
    ConferenceHub hub(fast());
    hub.onEnded([&](const LiveConference& state) { recorder.add("store", state); });
    hub.start(conference());
    hub.subscribe(kId, [&](const LiveConference& state) { recorder.add("watcher", state); });
    ASSERT_EQ(hub.running(kOwner).size(), 1u);

    ASSERT_TRUE(recorder.waitFor([](const auto& events) {
        if (events.empty())
            return false;
        const auto& members = events.back().second.members;
        return std::all_of(members.begin(), members.end(), [](const LiveMember& each) { return each.callstate == 1; });
    }));
    ASSERT_EQ(hub.control(kOwner, kId, 9, ""), kOk);
    ASSERT_TRUE(recorder.waitFor([](const auto& events) {
        return !events.empty() && events.back().first == "watcher" && events.back().second.conferencestate == 2;
    }));
    EXPECT_TRUE(hub.running(kOwner).empty());
    EXPECT_EQ(hub.control(kOwner, kId, 0, ""), kConferenceEnded);

    const auto events = recorder.events();
    int stored = 0;
    bool watcherSawEndBeforeStore = false;
    for (const auto& [who, state] : events) {
        if (who == "store") {
            ++stored;
            EXPECT_EQ(state.conferencestate, 2);
            EXPECT_GT(state.endedAt, state.startedAt - 1s);
            ASSERT_EQ(state.joinedSeconds.size(), 2u);
        } else if (state.conferencestate == 2 && stored == 0) {
            watcherSawEndBeforeStore = true;
        }
    }
    EXPECT_EQ(stored, 1);
    EXPECT_FALSE(watcherSawEndBeforeStore);
}

TEST(ConferenceHub, WatchersHearTheCurrentStateAndNothingAfterLeaving)
{
    Recorder recorder;
    Recorder later;
    ConferenceHub hub(fast());
    // A store that fails must not silence the watchers nor stop the hub's thread.
    hub.onEnded([](const LiveConference&) { throw std::runtime_error("disk full"); });
    hub.start(conference());
    const auto token = hub.subscribe(kId, [&](const LiveConference& state) { recorder.add("watcher", state); });
    ASSERT_TRUE(recorder.waitFor([](const auto& events) { return !events.empty(); }));
    EXPECT_EQ(recorder.events().front().second.conferenceId, kId);

    hub.unsubscribe(token);
    const auto heard = recorder.events().size();
    ASSERT_EQ(hub.control(kOwner, kId, 9, ""), kOk);
    // The end is dispatched right away; a second subscriber proves it has gone out.
    hub.subscribe(kId, [&](const LiveConference& state) { later.add("later", state); });
    ASSERT_TRUE(later.waitFor([](const auto& events) { return !events.empty(); }));
    EXPECT_EQ(later.events().front().second.conferencestate, 2);
    EXPECT_EQ(recorder.events().size(), heard);
}

TEST(ConferenceHub, AChurnBeginsWithItsFirstWatcherWhoSeesEveryChange)
{
    Recorder recorder;
    ConferenceHub hub(fast());
    LiveConference churning = conference();
    churning.members.clear();
    for (int i = 0; i < 10; ++i)
        churning.members.push_back({ "成员", std::to_string(13900000100LL + i) });
    // Each member changes twice, half a second apart: time enough for a busy machine.
    hub.startChurning(churning, ChurnPace { 20, 1s });
    std::this_thread::sleep_for(50ms);
    EXPECT_FALSE(hub.churnRecord(kId)->begun) << "nobody watches yet";
    EXPECT_FALSE(hub.churnRecord("2026120700002"));

    hub.subscribe(kId, [&](const LiveConference& state) { recorder.add("watcher", state); });
    ASSERT_TRUE(recorder.waitFor(
        [](const auto& events) { return !events.empty() && events.back().second.conferencestate == 2; }));
    const ChurnRecord record = *hub.churnRecord(kId);
    EXPECT_TRUE(record.begun);
    EXPECT_TRUE(record.ended);
    EXPECT_EQ(record.made, 20);

    std::map<std::string, std::vector<ChurnState>> seen;
    for (const auto& [who, state] : recorder.events()) {
        if (state.conferencestate != 1)
            continue;
        for (const LiveMember& member : state.members) {
            const ChurnState now { member.callstate, member.speakstate, member.activetalker };
            auto& states = seen[member.phone];
            if (states.empty() || !(states.back() == now))
                states.push_back(now);
        }
    }
    for (std::size_t i = 0; i < record.phones.size(); ++i)
        EXPECT_EQ(seen[record.phones[i]], record.history[i]) << record.phones[i];
}
