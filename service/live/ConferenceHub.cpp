#include "ConferenceHub.h"

#include "CallSimulation.h"
#include "service/StatusCodes.h"

#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

namespace cvservice {

namespace {

// A listener that throws (a store that cannot write, say) loses that one call; the
// simulation's thread and every other listener go on.
void callSafely(const ConferenceHub::Listener& listener, const LiveConference& conference)
{
    try {
        listener(conference);
    } catch (...) {
    }
}

} // namespace

struct ConferenceHub::Impl {
    explicit Impl(SimulationSettings settings)
        : simulation(settings)
    {
    }

    void run();
    void dispatch(
        const CallSimulation::Step& step, const std::vector<std::pair<std::uint64_t, LiveConference>>& firstDeliveries);

    // Lock order: mutex before listenersMutex; dispatchMutex is taken with neither held.
    std::mutex mutex;
    std::condition_variable wake;
    CallSimulation simulation;
    bool stopping = false;
    bool poked = false;
    std::vector<std::uint64_t> pendingFirst; // new subscribers owed the current state

    std::mutex listenersMutex;
    std::map<std::uint64_t, std::pair<std::string, Listener>> subscribers;
    std::vector<Listener> endedListeners;
    std::uint64_t nextToken = 1;

    // Held while listeners run, so that unsubscribe can wait for a call in flight.
    std::mutex dispatchMutex;
    std::thread thread;
    std::thread::id threadId;
};

ConferenceHub::ConferenceHub(SimulationSettings settings)
    : m_impl(std::make_unique<Impl>(settings))
{
    m_impl->thread = std::thread([impl = m_impl.get()] { impl->run(); });
    m_impl->threadId = m_impl->thread.get_id();
}

ConferenceHub::~ConferenceHub()
{
    stop();
}

void ConferenceHub::start(LiveConference conference)
{
    if (conference.startedAt == std::chrono::system_clock::time_point {})
        conference.startedAt = std::chrono::system_clock::now();
    std::lock_guard lock(m_impl->mutex);
    m_impl->simulation.start(std::move(conference), std::chrono::steady_clock::now());
    m_impl->poked = true;
    m_impl->wake.notify_one();
}

void ConferenceHub::startChurning(LiveConference conference, ChurnPace pace)
{
    if (conference.startedAt == std::chrono::system_clock::time_point {})
        conference.startedAt = std::chrono::system_clock::now();
    std::lock_guard lock(m_impl->mutex);
    m_impl->simulation.startChurning(std::move(conference), pace, std::chrono::steady_clock::now());
    m_impl->poked = true;
    m_impl->wake.notify_one();
}

int ConferenceHub::control(
    const std::string& owner, const std::string& conferenceId, int command, const std::string& phoneId)
{
    std::lock_guard lock(m_impl->mutex);
    const int status
        = m_impl->simulation.control(owner, conferenceId, command, phoneId, std::chrono::steady_clock::now());
    if (status == kOk) {
        m_impl->poked = true;
        m_impl->wake.notify_one();
    }
    return status;
}

std::optional<LiveConference> ConferenceHub::snapshot(const std::string& conferenceId) const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->simulation.snapshot(conferenceId);
}

std::vector<LiveConference> ConferenceHub::running(const std::string& owner) const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->simulation.running(owner);
}

std::optional<ChurnRecord> ConferenceHub::churnRecord(const std::string& conferenceId) const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->simulation.churnRecord(conferenceId);
}

std::uint64_t ConferenceHub::subscribe(const std::string& conferenceId, Listener listener)
{
    std::uint64_t token = 0;
    {
        std::lock_guard lock(m_impl->listenersMutex);
        token = m_impl->nextToken++;
        m_impl->subscribers.emplace(token, std::make_pair(conferenceId, std::move(listener)));
    }
    std::lock_guard lock(m_impl->mutex);
    m_impl->pendingFirst.push_back(token);
    m_impl->poked = true;
    m_impl->wake.notify_one();
    return token;
}

void ConferenceHub::unsubscribe(std::uint64_t token)
{
    {
        std::lock_guard lock(m_impl->listenersMutex);
        m_impl->subscribers.erase(token);
    }
    if (std::this_thread::get_id() != m_impl->threadId)
        std::lock_guard barrier(m_impl->dispatchMutex);
}

void ConferenceHub::onEnded(Listener listener)
{
    std::lock_guard lock(m_impl->listenersMutex);
    m_impl->endedListeners.push_back(std::move(listener));
}

void ConferenceHub::stop()
{
    {
        std::lock_guard lock(m_impl->mutex);
        m_impl->stopping = true;
        m_impl->wake.notify_one();
    }
    if (m_impl->thread.joinable() && std::this_thread::get_id() != m_impl->threadId)
        m_impl->thread.join();
}

void ConferenceHub::Impl::run()
{
    std::unique_lock lock(mutex);
    const auto woken = [this] { return stopping || poked; };
    while (!stopping) {
        const auto due = simulation.nextDue();
        if (!poked && due == CallSimulation::Time::max())
            wake.wait(lock, woken);
        else if (!poked && due > std::chrono::steady_clock::now())
            wake.wait_until(lock, due, woken);
        if (stopping)
            break;
        poked = false;
        const auto now = std::chrono::steady_clock::now();
        const CallSimulation::Step step = simulation.advance(now);

        std::vector<std::pair<std::uint64_t, LiveConference>> firstDeliveries;
        {
            std::lock_guard listenersLock(listenersMutex);
            for (std::uint64_t token : pendingFirst) {
                auto subscriber = subscribers.find(token);
                if (subscriber == subscribers.end())
                    continue;
                if (auto conference = simulation.snapshot(subscriber->second.first)) {
                    firstDeliveries.emplace_back(token, std::move(*conference));
                    // After the snapshot: the watcher's first state is the one before any change.
                    simulation.watched(subscriber->second.first, now);
                }
            }
        }
        pendingFirst.clear();

        lock.unlock();
        dispatch(step, firstDeliveries);
        lock.lock();
    }
}

void ConferenceHub::Impl::dispatch(
    const CallSimulation::Step& step, const std::vector<std::pair<std::uint64_t, LiveConference>>& firstDeliveries)
{
    if (step.changed.empty() && step.ended.empty() && firstDeliveries.empty())
        return;
    std::lock_guard dispatching(dispatchMutex);
    std::map<std::uint64_t, std::pair<std::string, Listener>> current;
    std::vector<Listener> ended;
    {
        std::lock_guard lock(listenersMutex);
        current = subscribers;
        ended = endedListeners;
    }
    // The store records an ended conference before any watcher hears of the end, so a
    // client that reloads its lists on the end no longer sees it running.
    for (const LiveConference& conference : step.ended) {
        for (const Listener& listener : ended)
            callSafely(listener, conference);
    }
    for (const auto& [token, conference] : firstDeliveries) {
        auto subscriber = current.find(token);
        if (subscriber != current.end())
            callSafely(subscriber->second.second, conference);
    }
    for (const LiveConference& conference : step.changed) {
        for (const auto& [token, subscriber] : current) {
            if (subscriber.first == conference.conferenceId)
                callSafely(subscriber.second, conference);
        }
    }
}

} // namespace cvservice
