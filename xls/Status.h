#pragma once

#include "xls/FileError.h"

#include <string>

namespace xls {

// The outcome of a file operation: an error kind and a message naming the file.
// Errors are values here; nothing in this library throws across its interface.
class Status {
public:
    Status() = default;
    Status(FileError error, std::string message)
        : m_error(error)
        , m_message(std::move(message))
    {
    }

    bool isOk() const { return m_error == FileError::None; }
    explicit operator bool() const { return isOk(); }
    FileError error() const { return m_error; }
    const std::string& message() const { return m_message; }

private:
    FileError m_error = FileError::None;
    std::string m_message;
};

} // namespace xls
