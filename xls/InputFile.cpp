#include "xls/InputFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace xls {

namespace {

Status openError(const std::string& path, int error)
{
    const std::string reason = std::strerror(error);
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return { FileError::NotFound, path + ": no such file" };
    case EACCES:
    case EPERM:
    case EBUSY:
    case ETXTBSY:
        return { FileError::AccessDenied, path + ": cannot be opened (" + reason + ")" };
    case EISDIR:
        return { FileError::NotAFile, path + ": is a folder" };
    default:
        return { FileError::ReadFailed, path + ": cannot be read (" + reason + ")" };
    }
}

class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// Opens path for reading without blocking on a FIFO and checks what it is.
Status openChecked(const std::string& path, Descriptor& fd, struct stat& info)
{
    if (path.empty())
        return { FileError::NotFound, "no file name given" };
    if (fd.get() < 0)
        return openError(path, errno);
    if (::fstat(fd.get(), &info) != 0)
        return openError(path, errno);
    if (S_ISDIR(info.st_mode))
        return { FileError::NotAFile, path + ": is a folder" };
    if (!S_ISREG(info.st_mode))
        return { FileError::NotAFile, path + ": is not a regular file" };
    if (info.st_size == 0)
        return { FileError::EmptyFile, path + ": is empty" };
    return {};
}

} // namespace

Status InputFile::check(const std::string& path)
{
    Descriptor fd(path.empty() ? -1 : ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info { };
    return openChecked(path, fd, info);
}

Status InputFile::read(const std::string& path, std::string& bytes)
{
    bytes.clear();
    Descriptor fd(path.empty() ? -1 : ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info { };
    if (Status status = openChecked(path, fd, info); !status)
        return status;
    bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            bytes.clear();
            return { FileError::ReadFailed, path + ": cannot be read (" + std::strerror(error) + ")" };
        }
        if (n == 0)
            break; // the file shrank while we read it
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return {};
}

} // namespace xls
