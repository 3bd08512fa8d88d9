#pragma once

#include "xls/Status.h"

#include <string>
#include <string_view>

namespace xls {

// Writes a file through a temporary file in the same folder that replaces the
// target only when everything was written: a failed or abandoned write leaves
// the old file whole.
class AtomicFile {
public:
    explicit AtomicFile(std::string path);
    ~AtomicFile(); // removes the temporary file unless committed
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the (empty) temporary file.
    Status open();
    // The temporary file's path, for libraries that write a file by name.
    const std::string& temporaryPath() const { return m_temporaryPath; }

    Status write(std::string_view bytes);
    // Flushes the temporary file to disk and renames it over the target.
    Status commit();

private:
    Status fail(FileError error, const std::string& what, int code);

    std::string m_path;
    std::string m_temporaryPath;
    int m_fd = -1;
    bool m_failed = false;
};

} // namespace xls
