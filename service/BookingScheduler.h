#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace cvservice {

class ConferenceRepository;
class ConferenceRunner;

// Starts booked conferences when their time has come.
class BookingScheduler {
public:
    BookingScheduler(ConferenceRepository& conferences, ConferenceRunner& runner, std::chrono::milliseconds interval);
    ~BookingScheduler();
    BookingScheduler(const BookingScheduler&) = delete;
    BookingScheduler& operator=(const BookingScheduler&) = delete;

    void start();
    void stop();
    void startDue(); // one pass, also used by start-up

private:
    void run();

    ConferenceRepository& m_conferences;
    ConferenceRunner& m_runner;
    std::chrono::milliseconds m_interval;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace cvservice
