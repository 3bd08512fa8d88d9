#pragma once

#include "DownloadReport.h"
#include "DownloadSettings.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// The updater's one worker: downloads every URL of the list in order, going on past
// failures, then calls done (on the worker) with the report. Destroying the job
// cancels what is left and waits for the worker.
class DownloadJob {
public:
    using Done = std::function<void(const DownloadReport&)>;

    DownloadJob(std::vector<std::string> urls, DownloadSettings settings);
    ~DownloadJob();

    DownloadJob(const DownloadJob&) = delete;
    DownloadJob& operator=(const DownloadJob&) = delete;

    void start(Done done);
    // Ends the running transfer and skips the rest; wait() then returns soon.
    void cancel();
    void wait();

    // What has been done so far; the whole report once wait() has returned.
    DownloadReport report() const;

private:
    void run(const Done& done);

    std::vector<std::string> m_urls;
    DownloadSettings m_settings;
    std::atomic<bool> m_cancel { false };
    mutable std::mutex m_mutex;
    DownloadReport m_report;
    std::thread m_thread;
};
