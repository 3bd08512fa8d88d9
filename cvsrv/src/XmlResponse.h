#pragma once

#include <pugixml.hpp>

#include <string>
#include <vector>

namespace cvsrv {

// Reads one reply. Element names are matched without their namespace prefix.
// A reply that is not well-formed reads as empty: no values, no rows.
class CXmlResponse {
public:
    // Parses the reply in place (the text is modified).
    bool LoadText(std::string& reply);

    // The text of the index-th element named tag in document order, converted to
    // the ANSI code page; empty when there is none.
    std::string GetNodeText(const char* tag, int index = 0) const;

    // Result text of the elements named rowTag: per row, each listed field's text
    // followed by CR; rows joined by LF. Returns the number of row elements.
    int GetRows(const std::string& rowTag, const std::string& fieldList, std::string& result) const;

private:
    std::vector<pugi::xml_node> elementsNamed(const char* name, std::size_t limit) const;

    pugi::xml_document m_document;
    bool m_loaded = false;
};

} // namespace cvsrv
