#pragma once

#include "xls/Status.h"

#include <memory>
#include <string>
#include <string_view>

namespace xls {
class AtomicFile;
class IconvConverter;
} // namespace xls

// A text file read or written line by line, for the address book's TXT files.
//
// Reading takes UTF-8 (with or without a byte-order mark) when the bytes are valid
// UTF-8, UTF-16 when a byte-order mark says so, and GB18030 otherwise (the text of
// Chinese Windows programs); ReadString() hands out UTF-8 lines without their line
// end, a trailing CR included.
//
// Writing stores GB18030 with CR LF line ends, through a temporary file that
// replaces the target on Close(): a failed write leaves the old file whole.
class CStdioFileEx {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeCreate = 0x1000,
        typeText = 0x4000,
    };

    CStdioFileEx();
    ~CStdioFileEx(); // closes, saving what was written
    CStdioFileEx(const CStdioFileEx&) = delete;
    CStdioFileEx& operator=(const CStdioFileEx&) = delete;

    // modeRead reads the whole file now; modeWrite (with or without modeCreate)
    // starts a new file. Returns false, with status() saying why, on failure.
    bool Open(const std::string& path, unsigned flags);
    // The next line as UTF-8 without "\n" and the CRs before it; false at the end.
    bool ReadString(std::string& line);
    // Writes UTF-8 text; each "\n" (or "\r\n") becomes CR LF on disk.
    bool WriteString(std::string_view text);
    // Ends reading, or saves what was written; false when saving failed.
    bool Close();

    bool isOpen() const { return m_reading || m_writing; }
    const xls::Status& status() const { return m_status; }

private:
    bool flush();

    std::string m_text; // reading: the decoded file; writing: GB18030 not yet flushed
    std::size_t m_position = 0;
    bool m_reading = false;
    bool m_writing = false;
    bool m_pendingCr = false;
    std::unique_ptr<xls::AtomicFile> m_file;
    std::unique_ptr<xls::IconvConverter> m_encoder;
    xls::Status m_status;
};
