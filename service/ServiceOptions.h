#pragma once

#include "HttpFaults.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace cvservice {

struct ServiceOptions {
    std::string bindAddress = "0.0.0.0";
    int httpPort = 8080; // 0 = any free port
    int monitorPort = 8802; // 0 = any free port
    std::string dbPath = "cvservice.db";
    bool demo = false;
    bool help = false;
    std::uint32_t seed = 1;
    bool fast = false;
    long stampWindowSeconds = 24 * 3600; // 0 = any time stamp
    std::string namespaceUri; // empty: the library's configuration
    std::string updatesDir; // empty: generated update files
    std::string latestVersion = "1008";
    std::string minimumVersion = "1000";
    std::vector<std::string> blockedKeywords { "发票", "代开", "赌博", "博彩", "六合彩", "贷款" };
    std::size_t maxBodyBytes = 4 * 1024 * 1024;
    int threads = 64;
    // Where clients reach this service, for the addresses replies carry
    // ("http://host:port"); empty: the address the request came in on.
    std::string publicUrl;
    // How long a connection may take to send a request's headers, and then its body.
    int requestTimeoutMs = 10000;
    // Failed signatures: the first few are free, then each waits twice as long as the
    // one before, never longer than the cap.
    int freeFailures = 5;
    int failureDelayMs = 1000;
    int maxFailureDelayMs = 120000;
    // Monitor connections: how many one address and one account may hold, and how
    // long a verified connection may watch nothing.
    std::size_t monitorPerAddress = 64;
    std::size_t monitorPerAccount = 16;
    int monitorIdleMs = 60000;
    // The control endpoints (the fault switch, churning conferences) answer only when
    // enabled, and only to callers that know the token printed at start.
    bool faultControl = false;
    // Refuse a signed state-changing request seen before. Tests of what a second,
    // identical call does (within the second its time stamp lasts) turn it off.
    bool refuseRepeats = true;
    std::string faultToken; // empty: a random one is made at start
    HttpFaults faults;
    std::vector<std::string> monitorFaults; // names of monitor-side switches to turn on

    // Parses the command line; on a mistake returns nothing and fills error.
    static std::optional<ServiceOptions> parse(int argc, const char* const* argv, std::string& error);
    static std::string usage();
    static bool isPublicUrl(const std::string& url);
};

} // namespace cvservice
