#pragma once

#include <cstddef>
#include <ctime>
#include <deque>
#include <mutex>
#include <set>
#include <string>
#include <tuple>

namespace cvservice {

// Remembers the signed state-changing requests already carried out, so that one
// captured on the way and sent again (same account, time stamp and body) is refused
// instead of moving money or changing data a second time. A request is remembered
// for as long as its time stamp would still be accepted. Thread-safe.
class ReplayGuard {
public:
    // windowSeconds: the accepted time-stamp drift; 0 (any stamp) keeps a day.
    // capacity 0: every request is let through.
    explicit ReplayGuard(long windowSeconds, std::size_t capacity = kCapacity);

    static constexpr std::size_t kCapacity = 500000;

    // true the first time; false for a request already seen.
    bool firstTime(const std::string& account, std::time_t stamp, const std::string& body, std::time_t now);

private:
    using Key = std::tuple<std::string, std::time_t, std::size_t, std::size_t>;

    long m_keepSeconds;
    std::size_t m_capacity;
    std::mutex m_mutex;
    std::set<Key> m_seen;
    std::deque<std::pair<std::time_t, Key>> m_expiry; // in the order they were seen
};

} // namespace cvservice
