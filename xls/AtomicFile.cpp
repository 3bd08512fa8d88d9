#include "xls/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace xls {

namespace {

std::string temporaryName(const std::string& path)
{
    static std::atomic<unsigned> counter { 0 };
    thread_local std::mt19937 random { std::random_device {}() };
    char suffix[48];
    std::snprintf(suffix, sizeof suffix, ".%d-%u-%08x.tmp", static_cast<int>(::getpid()), counter++,
        static_cast<unsigned>(random()));
    return path + suffix;
}

FileError errorKind(int code)
{
    switch (code) {
    case ENOENT:
    case ENOTDIR:
        return FileError::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EBUSY:
    case ETXTBSY:
        return FileError::AccessDenied;
    case EISDIR:
        return FileError::NotAFile;
    default:
        return FileError::WriteFailed;
    }
}

} // namespace

AtomicFile::AtomicFile(std::string path)
    : m_path(std::move(path))
{
}

AtomicFile::~AtomicFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_temporaryPath.empty())
        ::unlink(m_temporaryPath.c_str());
}

Status AtomicFile::fail(FileError error, const std::string& what, int code)
{
    m_failed = true;
    return { error, m_path + ": " + what + " (" + std::strerror(code) + ")" };
}

Status AtomicFile::open()
{
    if (m_path.empty())
        return { FileError::NotFound, "no file name given" };
    struct stat info { };
    if (::stat(m_path.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
        return { FileError::NotAFile, m_path + ": is not a regular file" };
    // The new file keeps the mode of the one it replaces; a new one gets the
    // usual mode less the umask.
    const bool replacing = ::stat(m_path.c_str(), &info) == 0;
    const mode_t mode = replacing ? (info.st_mode & 07777) : 0666;
    for (int attempt = 0; attempt < 16; ++attempt) {
        std::string name = temporaryName(m_path);
        m_fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (m_fd >= 0) {
            m_temporaryPath = std::move(name);
            if (replacing)
                ::fchmod(m_fd, mode); // best effort: the umask must not narrow it
            return {};
        }
        if (errno != EEXIST)
            return fail(errorKind(errno), "cannot be written", errno);
    }
    return fail(FileError::WriteFailed, "cannot be written", EEXIST);
}

Status AtomicFile::write(std::string_view bytes)
{
    if (m_fd < 0 || m_failed)
        return { FileError::WriteFailed, m_path + ": not open for writing" };
    while (!bytes.empty()) {
        const ssize_t n = ::write(m_fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(FileError::WriteFailed, "write failed", errno);
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return {};
}

Status AtomicFile::commit()
{
    if (m_fd < 0 || m_failed)
        return { FileError::WriteFailed, m_path + ": not written" };
    if (::fsync(m_fd) != 0)
        return fail(FileError::WriteFailed, "cannot be saved", errno);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        return fail(FileError::WriteFailed, "cannot be saved", errno);
    if (::rename(m_temporaryPath.c_str(), m_path.c_str()) != 0)
        return fail(errorKind(errno), "cannot be replaced", errno);
    m_temporaryPath.clear();
    return {};
}

} // namespace xls
