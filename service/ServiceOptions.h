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
    HttpFaults faults;
    std::vector<std::string> monitorFaults; // names of monitor-side switches to turn on

    // Parses the command line; on a mistake returns nothing and fills error.
    static std::optional<ServiceOptions> parse(int argc, const char* const* argv, std::string& error);
    static std::string usage();
};

} // namespace cvservice
