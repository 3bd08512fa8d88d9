#include "RequestBody.h"

#include "TextCodec.h"

namespace cvsrv {

std::string escapeXml(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&apos;";
            break;
        case '\r':
            // A parser reads a literal CR (or CR LF) back as LF; only a reference keeps it.
            escaped += "&#13;";
            break;
        default:
            // XML 1.0 has no place for other control characters, not even as character
            // references: one of them would get the whole request refused.
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n')
                escaped += c;
        }
    }
    return escaped;
}

RequestBody& RequestBody::text(std::string_view name, const char* value)
{
    element(name, escapeXml(value ? value : ""));
    return *this;
}

RequestBody& RequestBody::utf8(std::string_view name, const char* ansiValue, std::size_t maxBytes)
{
    const std::string converted = ansiToUtf8(ansiValue ? ansiValue : "");
    const std::string_view kept = maxBytes ? cutUtf8(converted, maxBytes) : std::string_view(converted);
    element(name, escapeXml(kept));
    return *this;
}

RequestBody& RequestBody::number(std::string_view name, int value)
{
    element(name, std::to_string(value));
    return *this;
}

RequestBody& RequestBody::filter(std::string_view name, const char* value)
{
    element(name, value ? value : "");
    return *this;
}

void RequestBody::element(std::string_view name, std::string_view content)
{
    m_xml.append(1, '<').append(name).append(1, '>');
    m_xml.append(content);
    m_xml.append("</").append(name).append(1, '>');
}

} // namespace cvsrv
