#pragma once

#include <chrono>
#include <cstddef>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace cvservice {

// Slows password guessing down: after a few failed signatures for one account, or
// from one address, every further try waits twice as long as the one before, up to
// a cap of a few minutes. Signatures are not even checked while the wait lasts, so
// the wait holds however fast the guesses come. An account's wait does not apply to
// addresses that have signed in to it before, so someone guessing elsewhere cannot
// lock the real user out; the address's own wait still applies to them.
// Thread-safe; SOAP calls and monitor sign-ins share one.
class SignatureThrottle {
public:
    using Clock = std::chrono::steady_clock;

    struct Settings {
        int freeFailures = 5;
        std::chrono::milliseconds firstDelay { 1000 };
        std::chrono::milliseconds maxDelay { 120000 };
    };

    explicit SignatureThrottle(Settings settings);

    // How much longer this account may not be tried from this address; zero: now.
    // An empty account stands for one that does not exist: only the address counts.
    std::chrono::milliseconds wait(const std::string& account, const std::string& address, Clock::time_point now);
    void failed(const std::string& account, const std::string& address, Clock::time_point now);
    void succeeded(const std::string& account, const std::string& address, Clock::time_point now);

private:
    struct Record {
        int failures = 0;
        Clock::time_point last {};
        Clock::time_point until {};
    };
    struct AccountRecord : Record {
        std::vector<std::string> knownAddresses; // most recent last
    };

    void fail(Record& record, Clock::time_point now) const;
    void forgetQuiet(Clock::time_point now);
    std::chrono::milliseconds left(const Record& record, Clock::time_point now) const;

    Settings m_settings;
    std::mutex m_mutex;
    std::map<std::string, AccountRecord> m_accounts;
    std::map<std::string, Record> m_addresses;
    std::size_t m_changesSinceCleanup = 0;
};

} // namespace cvservice
