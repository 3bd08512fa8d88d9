#pragma once

#include "xls/Status.h"

#include <string>

namespace xls {

// The checks every reader makes before it hands a path to a parsing library, so
// that a missing, unreadable, empty or non-regular file gets its own error rather
// than the library's "damaged file".
class InputFile {
public:
    // Checks that path names a regular, non-empty file this process may read.
    static Status check(const std::string& path);

    // Reads the whole file after the same checks.
    static Status read(const std::string& path, std::string& bytes);
};

} // namespace xls
