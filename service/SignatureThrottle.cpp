#include "SignatureThrottle.h"

#include <algorithm>

namespace cvservice {

namespace {

// Addresses remembered per account as ones its owner signed in from.
constexpr std::size_t kKnownAddresses = 8;

} // namespace

SignatureThrottle::SignatureThrottle(Settings settings)
    : m_settings(settings)
{
}

std::chrono::milliseconds SignatureThrottle::left(const Record& record, Clock::time_point now) const
{
    if (record.until <= now)
        return std::chrono::milliseconds(0);
    // Rounded up: a caller told "0" must really be let through.
    return std::chrono::ceil<std::chrono::milliseconds>(record.until - now);
}

std::chrono::milliseconds SignatureThrottle::wait(
    const std::string& account, const std::string& address, Clock::time_point now)
{
    std::lock_guard lock(m_mutex);
    std::chrono::milliseconds longest(0);
    if (const auto it = m_addresses.find(address); it != m_addresses.end())
        longest = left(it->second, now);
    if (const auto it = m_accounts.find(account); !account.empty() && it != m_accounts.end()) {
        const auto& known = it->second.knownAddresses;
        if (std::find(known.begin(), known.end(), address) == known.end())
            longest = std::max(longest, left(it->second, now));
    }
    return longest;
}

void SignatureThrottle::fail(Record& record, Clock::time_point now) const
{
    // A long quiet spell starts the count again, so one typo a week never adds up.
    if (record.failures > 0 && now - record.last > 2 * m_settings.maxDelay)
        record.failures = 0;
    ++record.failures;
    record.last = now;
    const int over = record.failures - m_settings.freeFailures;
    if (over <= 0)
        return;
    std::chrono::milliseconds delay = m_settings.firstDelay;
    for (int i = 1; i < over && delay < m_settings.maxDelay; ++i)
        delay *= 2;
    record.until = now + std::min(delay, m_settings.maxDelay);
}

void SignatureThrottle::failed(const std::string& account, const std::string& address, Clock::time_point now)
{
    std::lock_guard lock(m_mutex);
    fail(m_addresses[address], now);
    if (!account.empty())
        fail(m_accounts[account], now);
    forgetQuiet(now);
}

void SignatureThrottle::succeeded(const std::string& account, const std::string& address, Clock::time_point now)
{
    std::lock_guard lock(m_mutex);
    // The address's count stays: one account of one's own must not buy more guesses
    // at others'.
    AccountRecord& record = m_accounts[account];
    record.failures = 0;
    record.until = {};
    auto& known = record.knownAddresses;
    std::erase(known, address);
    known.push_back(address);
    if (known.size() > kKnownAddresses)
        known.erase(known.begin());
    forgetQuiet(now);
}

// Records that can no longer make anyone wait are dropped now and then, so that
// guesses from many addresses or at many names cannot fill the memory; an account's
// known addresses are kept.
void SignatureThrottle::forgetQuiet(Clock::time_point now)
{
    if (++m_changesSinceCleanup < 1024)
        return;
    m_changesSinceCleanup = 0;
    const auto quiet = [&](const Record& r) { return r.until <= now && now - r.last > 2 * m_settings.maxDelay; };
    std::erase_if(m_addresses, [&](const auto& entry) { return quiet(entry.second); });
    std::erase_if(
        m_accounts, [&](const auto& entry) { return quiet(entry.second) && entry.second.knownAddresses.empty(); });
}

} // namespace cvservice
