#pragma once

#include <string>
#include <vector>

namespace cvctl::test {

struct ChildResult {
    int exitCode = -1; // -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Runs program with args, the current environment plus extraEnvironment
// ("NAME=value" entries, which win over inherited ones), and collects its
// standard output and error separately.
ChildResult runChild(const std::string& program, const std::vector<std::string>& args,
    const std::vector<std::string>& extraEnvironment = {});

} // namespace cvctl::test
