#include "BookingScheduler.h"

#include "ConferenceRunner.h"
#include "TimeText.h"
#include "store/ConferenceRepository.h"

#include <iostream>

namespace cvservice {

BookingScheduler::BookingScheduler(
    ConferenceRepository& conferences, ConferenceRunner& runner, std::chrono::milliseconds interval)
    : m_conferences(conferences)
    , m_runner(runner)
    , m_interval(interval)
{
}

BookingScheduler::~BookingScheduler()
{
    stop();
}

void BookingScheduler::start()
{
    m_thread = std::thread([this] { run(); });
}

void BookingScheduler::stop()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void BookingScheduler::startDue()
{
    for (const Conference& conference : m_conferences.due(timetext::now()))
        m_runner.start(conference);
}

void BookingScheduler::run()
{
    std::unique_lock lock(m_mutex);
    while (!m_stopping) {
        lock.unlock();
        try {
            startDue();
        } catch (const std::exception& error) {
            std::cerr << "cvservice: starting booked conferences failed: " << error.what() << std::endl;
        }
        lock.lock();
        m_wake.wait_for(lock, m_interval, [this] { return m_stopping; });
    }
}

} // namespace cvservice
