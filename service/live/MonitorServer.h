#pragma once

#include "MonitorFaults.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace cvservice {

class ConferenceHub;

// The TCP server that pushes the live state of running conferences to clients: a
// client proves its account with a signed "verify" message, then names a conference
// with "monitor" and hears of every change of it until it ends. Runs on its own
// thread; the hub must outlive the server.
class MonitorServer {
public:
    // The account's password, or nothing for an unknown account. Called on the
    // server's thread.
    using PasswordLookup = std::function<std::optional<std::string>(const std::string& regphoneid)>;

    struct Options {
        std::string address = "127.0.0.1";
        std::uint16_t port = 8802; // 0 picks a free port; port() tells which
        std::chrono::milliseconds splitPause { 50 };
        std::chrono::milliseconds verifyTimeout { 30000 }; // connections that never verify are closed
        long stampWindowSeconds = 0; // accepted drift of a verify time stamp; 0 = any
        std::size_t maxConnections = 1024;
        // So that one address or one account cannot take every connection there is.
        std::size_t maxPerAddress = 64;
        std::size_t maxPerAccount = 16;
        std::chrono::milliseconds idleTimeout { 60000 }; // verified connections that watch nothing are closed
        // Failed verifies count against the limits of failed signatures elsewhere; a
        // verify is not checked while mayTry says no. Left empty: no limit. Called on
        // the server's thread; account is empty for one that does not exist.
        std::function<bool(const std::string& account, const std::string& address)> mayTry;
        std::function<void(const std::string& account, const std::string& address, bool verified)> tried;
    };

    MonitorServer(ConferenceHub& hub, PasswordLookup passwordLookup, Options options);
    ~MonitorServer();
    MonitorServer(const MonitorServer&) = delete;
    MonitorServer& operator=(const MonitorServer&) = delete;

    // Binds and starts serving; false with a readable reason when the port is taken.
    bool start(std::string& error);
    std::uint16_t port() const;
    MonitorFaults& faults();

    // Closes every connection and waits for the server's thread. Idempotent.
    void stop();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace cvservice
