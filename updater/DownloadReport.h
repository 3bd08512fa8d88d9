#pragma once

#include "DownloadOutcome.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

// What the download worker did with each URL of the list, in list order.
struct DownloadReport {
    std::vector<std::pair<std::string, DownloadOutcome>> files;

    // Every listed file is in place: only then may the update be called finished.
    bool complete() const
    {
        return std::all_of(
            files.begin(), files.end(), [](const auto& file) { return file.second == DownloadOutcome::Saved; });
    }
};
