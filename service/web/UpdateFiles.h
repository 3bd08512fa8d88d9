#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cvservice {

// The files the version check offers for download: those of a configured folder,
// or, without one, two small generated files that are harmless to install.
class UpdateFiles {
public:
    static constexpr const char* kUrlPrefix = "/updates/";

    UpdateFiles(std::string folder, std::string latestVersion);

    std::vector<std::string> names() const;
    std::optional<std::string> content(const std::string& name) const;

    // Only plain file names are served: no path separators, no dot files.
    static bool isSafeName(const std::string& name);

private:
    std::string m_folder;
    std::string m_latestVersion;
};

} // namespace cvservice
