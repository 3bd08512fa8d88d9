#include "ReplayGuard.h"

#include <functional>
#include <string_view>

namespace cvservice {

ReplayGuard::ReplayGuard(long windowSeconds, std::size_t capacity)
    : m_keepSeconds(windowSeconds > 0 ? windowSeconds : 24 * 3600)
    , m_capacity(capacity)
{
}

bool ReplayGuard::firstTime(const std::string& account, std::time_t stamp, const std::string& body, std::time_t now)
{
    // The body is kept as its length and hash: a copy of every address book sent in a
    // day would be far too much to hold.
    if (m_capacity == 0)
        return true;
    Key key { account, stamp, body.size(), std::hash<std::string_view> {}(body) };
    std::lock_guard lock(m_mutex);
    // A stamp is accepted until it is the window older than the clock; a request seen
    // now must be remembered at least that long, whatever its stamp says.
    while (!m_expiry.empty() && (m_expiry.front().first < now || m_seen.size() >= m_capacity)) {
        m_seen.erase(m_expiry.front().second);
        m_expiry.pop_front();
    }
    if (!m_seen.insert(key).second)
        return false;
    m_expiry.emplace_back(now + m_keepSeconds + (stamp > now ? stamp - now : 0), std::move(key));
    return true;
}

} // namespace cvservice
