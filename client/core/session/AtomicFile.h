#pragma once

#include <QString>

#include <string_view>

// Replaces a file's content all at once: the content goes to a temporary file in the
// same folder (owner read/write only), every write is checked, the data is flushed to
// disk, and only then the temporary file is renamed over the old one. Any failure
// removes the temporary file, leaves the old file whole and is reported.
class AtomicFile {
public:
    static bool write(const QString& path, std::string_view content, QString* error = nullptr);
};
