#pragma once

#include "OperationEntry.h"

#include <optional>
#include <string>
#include <vector>

namespace cvctl {

// The address-book commands, which sign in as --user and work on a file.
enum class ContactCommand { None, Export, Import };

// What the command line asks for: the help, one call, or one address-book command.
// A line that asks for none of them carries the reason in error.
struct CommandLine {
    bool help = false;
    std::optional<std::string> host;
    std::optional<int> port;
    bool fields = false;
    std::optional<std::string> user;
    std::optional<std::string> password;
    const OperationEntry* operation = nullptr;
    std::vector<std::string> arguments;
    ContactCommand contactCommand = ContactCommand::None;
    std::string file;
    std::string error;

    bool valid() const { return error.empty(); }

    // Options come before the operation; everything after it is an argument, so
    // an argument may itself start with "-".
    static CommandLine parse(const std::vector<std::string>& args);
};

} // namespace cvctl
