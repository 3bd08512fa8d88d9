#include "common/JsonObjectSplitter.h"

namespace corvana {

JsonObjectSplitter::JsonObjectSplitter(std::size_t maxObjectSize)
    : m_maxObjectSize(maxObjectSize)
{
}

bool JsonObjectSplitter::append(std::string_view bytes)
{
    m_buffer.append(bytes);
    const std::size_t pending = m_start == std::string::npos ? 0 : m_buffer.size() - m_start;
    if (pending > m_maxObjectSize) {
        m_buffer.clear();
        m_scanned = 0;
        m_start = std::string::npos;
        m_depth = 0;
        m_inString = false;
        m_escaped = false;
        return false;
    }
    return true;
}

std::optional<std::string> JsonObjectSplitter::next()
{
    for (; m_scanned < m_buffer.size(); ++m_scanned) {
        const char c = m_buffer[m_scanned];
        if (m_depth == 0) {
            m_start = std::string::npos;
            if (c != '{')
                continue;
            // An object opens with a member name or closes at once; any other brace is
            // garbage that would otherwise swallow the messages behind it.
            const std::size_t after = m_buffer.find_first_not_of(" \t\r\n", m_scanned + 1);
            if (after == std::string::npos) {
                m_start = m_scanned;
                break;
            }
            if (m_buffer[after] == '"' || m_buffer[after] == '}') {
                m_start = m_scanned;
                m_depth = 1;
            }
            continue;
        }
        if (m_inString) {
            if (m_escaped)
                m_escaped = false;
            else if (c == '\\')
                m_escaped = true;
            else if (c == '"')
                m_inString = false;
            continue;
        }
        if (c == '"') {
            m_inString = true;
        } else if (c == '{') {
            ++m_depth;
        } else if (c == '}' && --m_depth == 0) {
            std::string object = m_buffer.substr(m_start, m_scanned - m_start + 1);
            m_buffer.erase(0, m_scanned + 1);
            m_scanned = 0;
            m_start = std::string::npos;
            return object;
        }
    }
    // Nothing before an object's start is needed again.
    const std::size_t keepFrom = m_start == std::string::npos ? m_buffer.size() : m_start;
    m_buffer.erase(0, keepFrom);
    m_scanned -= keepFrom;
    if (m_start != std::string::npos)
        m_start = 0;
    return std::nullopt;
}

} // namespace corvana
