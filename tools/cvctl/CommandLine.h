#pragma once

#include "OperationEntry.h"

#include <optional>
#include <string>
#include <vector>

namespace cvctl {

// What the command line asks for: the help, or one call. A line that asks for
// neither carries the reason in error.
struct CommandLine {
    bool help = false;
    std::optional<std::string> host;
    std::optional<int> port;
    bool fields = false;
    const OperationEntry* operation = nullptr;
    std::vector<std::string> arguments;
    std::string error;

    bool valid() const { return error.empty(); }

    // Options come before the operation; everything after it is an argument, so
    // an argument may itself start with "-".
    static CommandLine parse(const std::vector<std::string>& args);
};

} // namespace cvctl
