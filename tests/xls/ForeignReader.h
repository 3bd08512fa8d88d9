#pragma once

#include "xls/SheetRows.h"

#include <string>
#include <vector>

namespace xls::test {

// Runs tests/xls/foreign_read.py with Debian's /usr/bin/python3 (the python3 first
// on PATH may not see Debian's modules) to read a file with a program not ours.
class ForeignReader {
public:
    struct Result {
        int exitCode = -1;
        std::string output;
        SheetRows rows;
    };

    static Result xlrd(const std::string& path, const std::string& sheet);
    static Result openpyxl(const std::string& path, const std::string& sheet);
    static Result csv(const std::string& path);
    // "same" in output when every stream name=file pair matches.
    static Result compdoc(const std::string& path, const std::vector<std::string>& pairs);

private:
    static Result run(const std::vector<std::string>& arguments);
};

// rows with every row padded to the widest, as the readers hand them out.
SheetRows padded(SheetRows rows);

} // namespace xls::test
