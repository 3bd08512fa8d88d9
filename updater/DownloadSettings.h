#pragma once

#include <filesystem>

// Where downloads go and how long a silent server is waited for.
struct DownloadSettings {
    std::filesystem::path folder;
    // Connecting, and every wait for the next bytes, give up after this long.
    long timeoutMs = 2000;
};
