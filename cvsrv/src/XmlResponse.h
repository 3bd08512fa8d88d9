#pragma once

#include <memory>
#include <string>

namespace pugi {
class xml_document;
}

namespace cvsrv {

// Reads one reply. Element names are matched without their namespace prefix.
// A reply that is not well-formed reads as empty: no values, no rows.
class CXmlResponse {
public:
    CXmlResponse();
    ~CXmlResponse();
    CXmlResponse(const CXmlResponse&) = delete;
    CXmlResponse& operator=(const CXmlResponse&) = delete;

    // Parses the reply in place (the text is modified and must outlive this object).
    bool LoadText(std::string& reply);

    // The text of the index-th element named tag in document order, converted to
    // the ANSI code page; empty when there is none.
    std::string GetNodeText(const char* tag, int index = 0) const;

    // Result text of the elements named rowTag, in document order: per row, the text
    // of each listed field's first child element of that name followed by CR; rows
    // joined by LF. Returns the number of row elements. Time and result grow with the
    // reply's size: a reply of rows nested in fields so deep that their repeated text
    // would outgrow that reads as one that cannot be read (no rows).
    int GetRows(const std::string& rowTag, const std::string& fieldList, std::string& result) const;

private:
    std::unique_ptr<pugi::xml_document> m_document;
    std::size_t m_replySize = 0;
    bool m_loaded = false;
};

} // namespace cvsrv
