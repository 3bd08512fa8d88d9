#include "web/UpdateFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

namespace cvservice {

namespace {

constexpr const char* kNotesName = "corvana-update.txt";
constexpr const char* kVersionName = "version.txt";
constexpr std::uintmax_t kMaxFileBytes = 256ull * 1024 * 1024;

} // namespace

UpdateFiles::UpdateFiles(std::string folder, std::string latestVersion)
    : m_folder(std::move(folder))
    , m_latestVersion(std::move(latestVersion))
{
}

bool UpdateFiles::isSafeName(const std::string& name)
{
    if (name.empty() || name.size() > 128 || name[0] == '.')
        return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-'
            || c == '_';
    });
}

std::vector<std::string> UpdateFiles::names() const
{
    if (m_folder.empty())
        return { kNotesName, kVersionName };
    std::vector<std::string> out;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder, error)) {
        const std::string name = entry.path().filename().string();
        // The entry itself, not what a link in the folder points at.
        if (entry.is_regular_file(error) && !entry.is_symlink(error) && isSafeName(name))
            out.push_back(name);
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::optional<std::string> UpdateFiles::content(const std::string& name) const
{
    if (!isSafeName(name))
        return std::nullopt;
    if (m_folder.empty()) {
        if (name == kVersionName)
            return m_latestVersion + "\r\n";
        if (name == kNotesName)
            return "Corvana 电话会议客户端 " + m_latestVersion
                + " 更新说明\r\n"
                  "- 会议控制更稳定，成员状态刷新更及时。\r\n"
                  "- 通讯录导入导出支持更多文件格式。\r\n"
                  "- 修正了若干已知问题。\r\n";
        return std::nullopt;
    }
    const auto wanted = names();
    if (std::find(wanted.begin(), wanted.end(), name) == wanted.end())
        return std::nullopt;
    const std::filesystem::path path = std::filesystem::path(m_folder) / name;
    // Opened without following a link and checked again on the open file, so a file
    // swapped for a link after the listing is not served either.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    struct stat info { };
    std::optional<std::string> bytes;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)
        && static_cast<std::uintmax_t>(info.st_size) <= kMaxFileBytes) {
        std::string out(static_cast<std::size_t>(info.st_size), '\0');
        std::size_t done = 0;
        while (done < out.size()) {
            const ssize_t got = ::read(fd, out.data() + done, out.size() - done);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                break;
            done += static_cast<std::size_t>(got);
        }
        if (done == out.size())
            bytes = std::move(out);
    }
    ::close(fd);
    return bytes;
}

} // namespace cvservice
