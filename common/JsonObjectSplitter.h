#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace corvana {

// Cuts a byte stream into whole JSON objects: the monitor protocol has no framing,
// so a message may arrive in pieces or several in one read. Bytes outside an object
// (garbage, stray closing braces) are skipped.
class JsonObjectSplitter {
public:
    explicit JsonObjectSplitter(std::size_t maxObjectSize = 64 * 1024);

    // False when an unfinished object has grown past the limit; the buffer is then
    // dropped and the stream cannot be trusted any more.
    bool append(std::string_view bytes);

    // The next complete object, outermost braces included.
    std::optional<std::string> next();

private:
    std::size_t m_maxObjectSize;
    std::string m_buffer;
    std::size_t m_scanned = 0; // bytes of m_buffer already looked at
    std::size_t m_start = std::string::npos; // where the current object began
    int m_depth = 0;
    bool m_inString = false;
    bool m_escaped = false;
};

} // namespace corvana
