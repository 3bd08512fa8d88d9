#include "core/session/AtomicFile.h"

#include <QCoreApplication>
#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool fail(QString* error, const QString& path, const char* step, int code)
{
    if (error)
        *error = QCoreApplication::translate("AtomicFile", "无法保存 %1 (%2: %3)")
                     .arg(path, QLatin1String(step), QString::fromLocal8Bit(std::strerror(code)));
    return false;
}

} // namespace

bool AtomicFile::write(const QString& path, std::string_view content, QString* error)
{
    const QByteArray target = QFile::encodeName(path);
    QByteArray temporary = target + ".XXXXXX";
    // mkstemp creates the file with mode 0600.
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return fail(error, path, "create", errno);

    const auto abandon = [&](const char* step) {
        const int code = errno;
        ::close(fd);
        ::unlink(temporary.constData());
        return fail(error, path, step, code);
    };

    const char* data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return abandon("write");
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    if (::fchmod(fd, 0600) != 0)
        return abandon("chmod");
    if (::fsync(fd) != 0)
        return abandon("sync");
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temporary.constData());
        return fail(error, path, "close", code);
    }
    if (::rename(temporary.constData(), target.constData()) != 0) {
        const int code = errno;
        ::unlink(temporary.constData());
        return fail(error, path, "rename", code);
    }
    return true;
}
