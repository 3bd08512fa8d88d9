#include "XmlResponse.h"

#include "TextCodec.h"

#include <cstring>

namespace cvsrv {

namespace {

const char* localName(const char* name)
{
    const char* colon = std::strrchr(name, ':');
    return colon ? colon + 1 : name;
}

bool named(const pugi::xml_node& node, const char* name)
{
    return node.type() == pugi::node_element && std::strcmp(localName(node.name()), name) == 0;
}

// All descendant character data, as the DOM text property defines it.
void appendText(const pugi::xml_node& node, std::string& out)
{
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            out += child.value();
        else if (child.type() == pugi::node_element)
            appendText(child, out);
    }
}

void appendConverted(const pugi::xml_node& node, std::string& out)
{
    if (ansiIsUtf8()) {
        appendText(node, out);
        return;
    }
    std::string utf8;
    appendText(node, utf8);
    out += utf8ToAnsi(utf8);
}

std::vector<std::string> splitFields(const std::string& fieldList)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t comma; (comma = fieldList.find(',', start)) != std::string::npos; start = comma + 1)
        fields.emplace_back(fieldList, start, comma - start);
    if (start < fieldList.size())
        fields.emplace_back(fieldList, start);
    return fields;
}

} // namespace

bool CXmlResponse::LoadText(std::string& reply)
{
    const pugi::xml_parse_result parsed =
        m_document.load_buffer_inplace(reply.data(), reply.size(), pugi::parse_default, pugi::encoding_utf8);
    m_loaded = static_cast<bool>(parsed);
    if (!m_loaded)
        m_document.reset();
    return m_loaded;
}

std::vector<pugi::xml_node> CXmlResponse::elementsNamed(const char* name, std::size_t limit) const
{
    std::vector<pugi::xml_node> found;
    if (!m_loaded)
        return found;
    // Iterative pre-order walk: document order without recursion depth limits.
    pugi::xml_node node = m_document.first_child();
    while (node && found.size() < limit) {
        if (named(node, name))
            found.push_back(node);
        if (node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node && !node.next_sibling())
            node = node.parent();
        if (node)
            node = node.next_sibling();
    }
    return found;
}

std::string CXmlResponse::GetNodeText(const char* tag, int index) const
{
    std::string text;
    if (index < 0)
        return text;
    const std::vector<pugi::xml_node> nodes = elementsNamed(tag, static_cast<std::size_t>(index) + 1);
    if (nodes.size() > static_cast<std::size_t>(index))
        appendConverted(nodes[static_cast<std::size_t>(index)], text);
    return text;
}

int CXmlResponse::GetRows(const std::string& rowTag, const std::string& fieldList, std::string& result) const
{
    result.clear();
    const std::vector<std::string> fields = splitFields(fieldList);
    if (fields.empty())
        return 0;
    const std::vector<pugi::xml_node> rows = elementsNamed(rowTag.c_str(), SIZE_MAX);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (const std::string& field : fields) {
            for (pugi::xml_node child = rows[i].first_child(); child; child = child.next_sibling()) {
                if (named(child, field.c_str())) {
                    appendConverted(child, result);
                    break;
                }
            }
            result += '\r';
        }
        if (i + 1 < rows.size())
            result += '\n';
    }
    return static_cast<int>(rows.size());
}

} // namespace cvsrv
