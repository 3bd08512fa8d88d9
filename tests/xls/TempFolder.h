#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace xls::test {

// A fresh folder under /tmp, removed with everything in it at the end of the scope.
class TempFolder {
public:
    TempFolder()
    {
        char pattern[] = "/tmp/xls-test-XXXXXX";
        m_path = mkdtemp(pattern);
    }
    ~TempFolder() { std::filesystem::remove_all(m_path); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string file(const std::string& name) const { return (m_path / name).string(); }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace xls::test
