#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cvsrv {

// The parameter elements of one operation's body, in wire order. Every element is
// written as start tag, value, end tag, never self-closing.
class RequestBody {
public:
    // A text value as it is, XML-escaped so that it cannot break the request.
    RequestBody& text(std::string_view name, const char* value);
    // A text value converted from the ANSI code page to UTF-8, cut at maxBytes on a
    // character boundary (0 = no limit), then escaped.
    RequestBody& utf8(std::string_view name, const char* ansiValue, std::size_t maxBytes = 0);
    RequestBody& number(std::string_view name, int value);
    // A filter expression the caller composed as XML content (it writes its own
    // entities), inserted unchanged.
    RequestBody& filter(std::string_view name, const char* value);

    const std::string& xml() const { return m_xml; }

private:
    void element(std::string_view name, std::string_view content);

    std::string m_xml;
};

std::string escapeXml(std::string_view text);

} // namespace cvsrv
