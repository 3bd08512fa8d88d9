#include "DownloadJob.h"

#include "FileDownload.h"

DownloadJob::DownloadJob(std::vector<std::string> urls, DownloadSettings settings)
    : m_urls(std::move(urls))
    , m_settings(std::move(settings))
{
}

DownloadJob::~DownloadJob()
{
    cancel();
    wait();
}

void DownloadJob::start(Done done)
{
    if (m_thread.joinable())
        return;
    m_thread = std::thread([this, done = std::move(done)] { run(done); });
}

void DownloadJob::cancel()
{
    m_cancel = true;
}

void DownloadJob::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

DownloadReport DownloadJob::report() const
{
    std::lock_guard lock(m_mutex);
    return m_report;
}

void DownloadJob::run(const Done& done)
{
    FileDownload download(m_settings, m_cancel);
    for (const std::string& url : m_urls) {
        const DownloadOutcome outcome = download.run(url);
        std::lock_guard lock(m_mutex);
        m_report.files.emplace_back(url, outcome);
    }
    if (done)
        done(report());
}
