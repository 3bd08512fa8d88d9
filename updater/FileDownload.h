#pragma once

#include "DownloadOutcome.h"
#include "DownloadSettings.h"

#include <atomic>
#include <string>

// Downloads one URL into the settings' folder, under the URL's local name.
//
// The body goes to a temporary file beside the target, which replaces the target
// (keeping its permissions, so a replaced program stays executable) only once exactly
// Content-Length bytes have arrived; anything less leaves the old file whole.
// Blocking: run it on a worker. Raising the cancel flag ends a transfer within
// moments.
class FileDownload {
public:
    static constexpr const char* kAgent = "lpload";

    FileDownload(DownloadSettings settings, const std::atomic<bool>& cancel);

    DownloadOutcome run(const std::string& url);

private:
    DownloadSettings m_settings;
    const std::atomic<bool>& m_cancel;
};
