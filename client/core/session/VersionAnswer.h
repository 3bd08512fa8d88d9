#pragma once

#include <string>

// What the service said about our client version, reduced to what the main window acts on.
struct VersionAnswer {
    enum class Outcome {
        Silent, // no text, or the service reported a failure: say nothing
        UpToDate, // "您的程序已是最新版本。"
        MustUpgrade, // the running version is no longer accepted: upgrade or nothing
        MayUpgrade, // a newer version exists: the user decides
    };

    Outcome outcome = Outcome::Silent;
    std::string newVersion;
    std::string downloadList; // ";"-separated URLs, handed to the updater unchanged

    // Reads row 0 of the CheckOrUpdatePCClientVersion result text (rows end in "\n",
    // fields in "\r"): status, version, upgrade flag, download list.
    static VersionAnswer parse(const std::string& resultText);
};
