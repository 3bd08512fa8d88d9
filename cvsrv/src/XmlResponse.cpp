#include "XmlResponse.h"

#include "TextCodec.h"

#include <map>
#include <string_view>

namespace cvsrv {

namespace {

// Element text is stored in the element itself when it is the element's first
// content, which removes one node per field from the big list replies; the text
// readers below account for it.
constexpr unsigned int kParseOptions = pugi::parse_default | pugi::parse_embed_pcdata;

// The part of a qualified name after its last prefix separator.
std::string_view localName(const char* name)
{
    const char* local = name;
    const char* end = name;
    for (; *end; ++end)
        if (*end == ':')
            local = end + 1;
    return { local, static_cast<std::size_t>(end - local) };
}

// Only elements carry names in the parse mode used, so the type is checked last.
bool isElementNamed(const pugi::xml_node& node, std::string_view name)
{
    return localName(node.name()) == name && node.type() == pugi::node_element;
}

// All descendant character data in document order, as the DOM text property
// defines it: the embedded text first, then the children's.
void appendText(const pugi::xml_node& node, std::string& out)
{
    out += node.value();
    // Walked without recursion: a reply nested a million levels deep must not exhaust
    // the stack.
    pugi::xml_node current = node.first_child();
    while (current) {
        const pugi::xml_node_type type = current.type();
        if (type == pugi::node_pcdata || type == pugi::node_cdata || type == pugi::node_element)
            out += current.value();
        if (type == pugi::node_element && current.first_child()) {
            current = current.first_child();
            continue;
        }
        while (current != node && !current.next_sibling())
            current = current.parent();
        if (current == node)
            break;
        current = current.next_sibling();
    }
}

std::vector<std::string_view> splitFields(const std::string& fieldList)
{
    std::vector<std::string_view> fields;
    const std::string_view list(fieldList);
    std::size_t start = 0;
    for (std::size_t comma; (comma = list.find(',', start)) != std::string_view::npos; start = comma + 1)
        fields.push_back(list.substr(start, comma - start));
    if (start < list.size())
        fields.push_back(list.substr(start));
    return fields;
}

// True when name is exactly text; reads no further into name than needed.
bool sameName(const char* name, std::string_view text)
{
    for (const char c : text)
        if (*name++ != c)
            return false;
    return *name == '\0';
}

// Writes the result text of every element named rowTag, in document order, from one
// pass of the library's own tree walk: for each row, per field, the text of the
// row's first child element of that name, then CR; rows joined by LF. Reading the
// rows this way, rather than node by node through the public accessors, keeps large
// lists close to the cost of parsing them.
//
// The walk reports depths only: a row's children are the nodes one level below it
// until the walk comes back to its level, and a picked field is a leaf unless the
// next node is deeper. A row is written when the walk leaves it; a row nested in
// another one is kept aside until the rows before it are written.
class RowWriter : public pugi::xml_tree_walker {
public:
    RowWriter(std::vector<std::string_view> fields, std::string_view rowTag, std::string& out)
        : m_fields(std::move(fields))
        , m_rowTag(rowTag)
        , m_out(out)
    {
        for (std::size_t k = 0; k < m_fields.size(); ++k) {
            FieldInfo info;
            // A name with a prefix separator can never equal a local name.
            info.plain = !m_fields[k].empty() && m_fields[k].find(':') == std::string_view::npos;
            info.isRowTag = m_fields[k] == m_rowTag;
            for (std::size_t other = 0; other < m_fields.size(); ++other)
                if (m_fields[other] == m_fields[k])
                    info.sameName.push_back(other);
            m_info.push_back(std::move(info));
        }
    }

    bool for_each(pugi::xml_node& node) override
    {
        const int level = depth();
        if (!m_lastPicks.empty()) {
            if (level > m_lastPickLevel)
                for (const std::size_t pick : m_lastPicks)
                    m_picks[pick].leaf = false;
            m_lastPicks.clear();
        }
        while (!m_open.empty() && m_open.back().level >= level)
            closeInnermostRow();

        const char* rawName = node.name();
        OpenRow* parentRow = !m_open.empty() && m_open.back().level == level - 1 ? &m_open.back() : nullptr;
        // Fast path: fields usually arrive in the order they are asked for.
        if (parentRow && parentRow->next < m_fields.size() && m_info[parentRow->next].plain
            && sameName(rawName, m_fields[parentRow->next])) {
            const FieldInfo& info = m_info[parentRow->next];
            for (const std::size_t k : info.sameName)
                pickField(*parentRow, k, node, level);
            if (info.isRowTag)
                openRow(level);
            return true;
        }

        const std::string_view name = localName(rawName);
        // Only elements have names in the parse mode used; an empty name needs the type.
        if (name.empty() && node.type() != pugi::node_element)
            return true;
        if (parentRow)
            pick(*parentRow, name, node, level);
        if (name == m_rowTag)
            openRow(level);
        return true;
    }

    bool end(pugi::xml_node&) override
    {
        while (!m_open.empty())
            closeInnermostRow();
        return true;
    }

    std::size_t rows() const { return m_rows; }

private:
    struct FieldInfo {
        bool plain = false;
        bool isRowTag = false;
        std::vector<std::size_t> sameName; // the fields of this name, itself included
    };
    struct Pick {
        pugi::xml_node node;
        bool found = false;
        bool leaf = true;
    };
    struct OpenRow {
        std::size_t index; // in document order
        int level;
        std::size_t picks; // first of its m_fields.size() entries in m_picks
        std::size_t next = 0; // the field expected next
    };

    void openRow(int level)
    {
        const std::size_t base = m_open.empty() ? 0 : m_open.back().picks + m_fields.size();
        if (m_picks.size() < base + m_fields.size())
            m_picks.resize(base + m_fields.size());
        for (std::size_t k = 0; k < m_fields.size(); ++k)
            m_picks[base + k].found = false;
        m_open.push_back({ m_rows++, level, base });
    }

    // Every field of that name not yet found takes the child: a field listed twice
    // picks the same child twice.
    void pick(OpenRow& row, std::string_view name, const pugi::xml_node& child, int level)
    {
        for (std::size_t k = 0; k < m_fields.size(); ++k)
            if (m_fields[k] == name)
                pickField(row, k, child, level);
    }

    void pickField(OpenRow& row, std::size_t k, const pugi::xml_node& child, int level)
    {
        Pick& entry = m_picks[row.picks + k];
        if (entry.found)
            return;
        entry = { child, true, true };
        m_lastPicks.push_back(row.picks + k);
        m_lastPickLevel = level;
        row.next = k + 1;
    }

    void closeInnermostRow()
    {
        const OpenRow row = m_open.back();
        m_open.pop_back();
        if (row.index != m_written) {
            writeRow(row, m_waiting[row.index]);
            return;
        }
        writeRow(row, m_out);
        ++m_written;
        for (auto waiting = m_waiting.begin(); waiting != m_waiting.end() && waiting->first == m_written;
             waiting = m_waiting.erase(waiting), ++m_written)
            m_out += waiting->second;
    }

    void writeRow(const OpenRow& row, std::string& out) const
    {
        if (row.index > 0)
            out += '\n';
        for (std::size_t k = 0; k < m_fields.size(); ++k) {
            const Pick& entry = m_picks[row.picks + k];
            if (entry.found && entry.leaf)
                out += entry.node.value();
            else if (entry.found)
                appendText(entry.node, out);
            out += '\r';
        }
    }

    std::vector<std::string_view> m_fields;
    std::vector<FieldInfo> m_info;
    std::string_view m_rowTag;
    std::string& m_out;
    std::size_t m_rows = 0;
    std::size_t m_written = 0; // rows written to m_out
    std::map<std::size_t, std::string> m_waiting; // nested rows written before an enclosing one
    std::vector<OpenRow> m_open; // rows the walk is inside, innermost last
    std::vector<Pick> m_picks; // the open rows' picks, in m_open order
    std::vector<std::size_t> m_lastPicks; // picks of the previous node, until the next node shows its depth
    int m_lastPickLevel = 0;
};

} // namespace

bool CXmlResponse::LoadText(std::string& reply)
{
    const pugi::xml_parse_result parsed
        = m_document.load_buffer_inplace(reply.data(), reply.size(), kParseOptions, pugi::encoding_utf8);
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
    const std::string_view wanted(name);
    // Iterative pre-order walk: document order without recursion depth limits.
    pugi::xml_node node = m_document.first_child();
    while (node && found.size() < limit) {
        if (isElementNamed(node, wanted))
            found.push_back(node);
        if (const pugi::xml_node child = node.first_child()) {
            node = child;
            continue;
        }
        pugi::xml_node next = node.next_sibling();
        while (!next) {
            node = node.parent();
            if (!node)
                break;
            next = node.next_sibling();
        }
        node = next;
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
        appendText(nodes[static_cast<std::size_t>(index)], text);
    return ansiIsUtf8() ? text : utf8ToAnsi(text);
}

int CXmlResponse::GetRows(const std::string& rowTag, const std::string& fieldList, std::string& result) const
{
    result.clear();
    std::vector<std::string_view> fields = splitFields(fieldList);
    if (fields.empty() || !m_loaded)
        return 0;
    RowWriter writer(std::move(fields), rowTag, result);
    pugi::xml_node root = m_document; // traverse() only reads, but is not const
    root.traverse(writer);
    // The conversion is stateless and CR and LF are the same in every supported
    // code page, so converting the whole text equals converting each value.
    if (!ansiIsUtf8())
        result = utf8ToAnsi(result);
    return static_cast<int>(writer.rows());
}

} // namespace cvsrv
