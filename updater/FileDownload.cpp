#include "FileDownload.h"

#include "DownloadList.h"

#include <curl/curl.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <mutex>
#include <optional>
#include <random>

namespace {

constexpr long kPieceBytes = 2048;

// A file beside the target that becomes the target only when committed; otherwise it
// is removed, so a broken download leaves nothing behind.
class PendingFile {
public:
    explicit PendingFile(std::filesystem::path target)
        : m_target(std::move(target))
    {
    }
    ~PendingFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_path.empty())
            ::unlink(m_path.c_str());
    }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    bool isOpen() const { return m_fd >= 0; }

    bool open()
    {
        std::random_device random;
        for (int attempt = 0; attempt < 8 && m_fd < 0; ++attempt) {
            auto path = m_target;
            path.replace_filename("." + m_target.filename().string() + ".download-" + std::to_string(random()));
            // 0666 lets the user's umask decide, as for any file the user creates.
            m_fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (m_fd >= 0)
                m_path = path;
            else if (errno != EEXIST)
                return false;
        }
        return m_fd >= 0;
    }

    bool write(const char* data, std::size_t size)
    {
        while (size > 0) {
            const ssize_t written = ::write(m_fd, data, size);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return false;
            data += written;
            size -= std::size_t(written);
        }
        return true;
    }

    bool commit()
    {
        // A replaced program must stay a program.
        struct stat old { };
        if (::stat(m_target.c_str(), &old) == 0 && ::fchmod(m_fd, old.st_mode & 07777) != 0)
            return false;
        if (::fsync(m_fd) != 0)
            return false;
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0)
            return false;
        if (::rename(m_path.c_str(), m_target.c_str()) != 0)
            return false;
        m_path.clear();
        return true;
    }

private:
    std::filesystem::path m_target;
    std::filesystem::path m_path;
    int m_fd = -1;
};

struct Transfer {
    CURL* curl = nullptr;
    const std::atomic<bool>* cancel = nullptr;
    PendingFile* file = nullptr;
    curl_off_t expected = -1;
    curl_off_t received = 0;
    std::optional<DownloadOutcome> failure;
};

long responseStatus(CURL* curl)
{
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    return status;
}

curl_off_t announcedLength(CURL* curl)
{
    curl_off_t length = -1;
    curl_easy_getinfo(curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
    return length;
}

std::size_t onBody(char* data, std::size_t size, std::size_t count, void* user)
{
    auto& transfer = *static_cast<Transfer*>(user);
    const std::size_t bytes = size * count;
    // Returning fewer bytes than offered ends the transfer with a write error.
    if (!transfer.file->isOpen()) {
        if (responseStatus(transfer.curl) != 200) {
            transfer.failure = DownloadOutcome::BadStatus;
            return 0;
        }
        transfer.expected = announcedLength(transfer.curl);
        if (transfer.expected <= 0) {
            transfer.failure = DownloadOutcome::NoLength;
            return 0;
        }
        if (!transfer.file->open()) {
            transfer.failure = DownloadOutcome::WriteFailed;
            return 0;
        }
    }
    if (transfer.received + curl_off_t(bytes) > transfer.expected) {
        transfer.failure = DownloadOutcome::ShortBody;
        return 0;
    }
    if (!transfer.file->write(data, bytes)) {
        transfer.failure = DownloadOutcome::WriteFailed;
        return 0;
    }
    transfer.received += curl_off_t(bytes);
    return bytes;
}

int onProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<Transfer*>(user)->cancel->load() ? 1 : 0;
}

} // namespace

FileDownload::FileDownload(DownloadSettings settings, const std::atomic<bool>& cancel)
    : m_settings(std::move(settings))
    , m_cancel(cancel)
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

DownloadOutcome FileDownload::run(const std::string& url)
{
    const std::string name = DownloadList::localName(url);
    if (!DownloadList::isSafeLocalName(name))
        return DownloadOutcome::RefusedName;
    if (m_cancel)
        return DownloadOutcome::Cancelled;

    CURL* curl = curl_easy_init();
    if (!curl)
        return DownloadOutcome::Unreachable;
    PendingFile file(m_settings.folder / name);
    Transfer transfer;
    transfer.curl = curl;
    transfer.cancel = &m_cancel;
    transfer.file = &file;

    curl_slist* headers = curl_slist_append(nullptr, "Cache-Control: no-cache");
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_USERAGENT, kAgent);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_BUFFERSIZE, kPieceBytes);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, m_settings.timeoutMs);
    // Every send and receive waits at most the time-out for progress; libcurl measures
    // stalls in whole seconds.
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, std::max(1L, (m_settings.timeoutMs + 999) / 1000));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &onBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &onProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);

    const CURLcode code = curl_easy_perform(curl);
    const long status = responseStatus(curl);
    const curl_off_t length = announcedLength(curl);
    curl_easy_cleanup(curl);
    curl_slist_free_all(headers);

    if (m_cancel)
        return DownloadOutcome::Cancelled;
    if (transfer.failure)
        return *transfer.failure;
    if (code != CURLE_OK)
        return transfer.received > 0 ? DownloadOutcome::ShortBody : DownloadOutcome::Unreachable;
    if (status != 200)
        return DownloadOutcome::BadStatus;
    if (length <= 0 || !file.isOpen())
        return DownloadOutcome::NoLength;
    if (transfer.received != transfer.expected)
        return DownloadOutcome::ShortBody;
    return file.commit() ? DownloadOutcome::Saved : DownloadOutcome::WriteFailed;
}
