#include "xls/CStdioFileEx.h"

#include "xls/AtomicFile.h"
#include "xls/IconvConverter.h"
#include "xls/InputFile.h"
#include "xls/TextEncoding.h"

using xls::FileError;

namespace {

constexpr std::size_t kFlushSize = 64 * 1024;

} // namespace

CStdioFileEx::CStdioFileEx() = default;

CStdioFileEx::~CStdioFileEx()
{
    Close();
}

bool CStdioFileEx::Open(const std::string& path, unsigned flags)
{
    Close();
    m_status = {};
    if ((flags & modeWrite) == 0) {
        std::string bytes;
        m_status = xls::InputFile::read(path, bytes);
        // An empty file is simply one without lines.
        if (!m_status && m_status.error() != FileError::EmptyFile)
            return false;
        m_status = {};
        m_text = xls::decodeText(bytes);
        m_position = 0;
        m_reading = true;
        return true;
    }
    auto file = std::make_unique<xls::AtomicFile>(path);
    m_status = file->open();
    if (!m_status)
        return false;
    m_encoder = std::make_unique<xls::IconvConverter>("GB18030", "UTF-8");
    if (!m_encoder->isValid()) {
        m_status = { FileError::WriteFailed, path + ": GB18030 is not available" };
        return false;
    }
    m_file = std::move(file);
    m_text.clear();
    m_pendingCr = false;
    m_writing = true;
    return true;
}

bool CStdioFileEx::ReadString(std::string& line)
{
    line.clear();
    if (!m_reading || m_position >= m_text.size())
        return false;
    std::size_t end = m_text.find('\n', m_position);
    const std::size_t next = end == std::string::npos ? m_text.size() : end + 1;
    if (end == std::string::npos)
        end = m_text.size();
    // Lines written by text-mode programs that already ended in "\r\n" carry an
    // extra CR (CR CR LF): every CR before the line feed goes.
    std::size_t length = end - m_position;
    while (length > 0 && m_text[m_position + length - 1] == '\r')
        --length;
    line.assign(m_text, m_position, length);
    m_position = next;
    return true;
}

bool CStdioFileEx::WriteString(std::string_view text)
{
    if (!m_writing || !m_status)
        return false;
    std::string lines;
    lines.reserve(text.size() + 8);
    for (char c : text) {
        if (m_pendingCr && c != '\n')
            lines += '\r';
        m_pendingCr = false;
        if (c == '\r')
            m_pendingCr = true; // decided by the next character, maybe in the next call
        else if (c == '\n')
            lines += "\r\n";
        else
            lines += c;
    }
    m_text += m_encoder->convert(xls::sanitizeUtf8(lines), "?");
    return m_text.size() < kFlushSize || flush();
}

bool CStdioFileEx::flush()
{
    if (!m_text.empty())
        m_status = m_file->write(m_text);
    m_text.clear();
    return m_status.isOk();
}

bool CStdioFileEx::Close()
{
    bool ok = true;
    if (m_writing) {
        if (m_pendingCr)
            m_text += '\r';
        m_pendingCr = false;
        ok = flush();
        if (ok) {
            m_status = m_file->commit();
            ok = m_status.isOk();
        }
        m_file.reset();
        m_encoder.reset();
    }
    m_reading = false;
    m_writing = false;
    m_text.clear();
    m_text.shrink_to_fit();
    m_position = 0;
    return ok;
}
