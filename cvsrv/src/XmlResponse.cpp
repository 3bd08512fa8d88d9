#include "XmlResponse.h"

#include "TextCodec.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace cvsrv {

namespace {

// A leaf element keeps its text in the element itself, which removes one node per
// field from the big list replies.
constexpr unsigned int kParseOptions = pugi::parse_default | pugi::parse_embed_pcdata;

// Name equality without the namespace prefix; the exact name is tried first since
// the service writes none.
inline bool sameName(const char* name, std::string_view wanted)
{
    for (const char c : wanted)
        if (*name++ != c)
            return false;
    return *name == '\0';
}

inline bool nameIs(const char* name, std::string_view wanted)
{
    if (sameName(name, wanted))
        return true;
    const char* colon = std::strrchr(name, ':');
    return colon && sameName(colon + 1, wanted);
}

bool isElementNamed(const pugi::xml_node& node, std::string_view name)
{
    return node.type() == pugi::node_element && nameIs(node.name(), name);
}

// The next node of a pre-order walk below root, skipping the children of node when
// descend is false. Iterative: a reply nested a million levels deep must not
// exhaust the stack.
pugi::xml_node nextInDocument(pugi::xml_node node, const pugi::xml_node& root, bool descend)
{
    if (descend)
        if (const pugi::xml_node child = node.first_child())
            return child;
    while (node != root && !node.next_sibling())
        node = node.parent();
    return node == root ? pugi::xml_node() : node.next_sibling();
}

// Whether the node's value is part of the DOM text of the element that holds it:
// character data, and the text an element keeps in itself.
inline bool valueIsText(const pugi::xml_node& node)
{
    const pugi::xml_node_type type = node.type();
    return type == pugi::node_pcdata || type == pugi::node_cdata || type == pugi::node_element;
}

// All descendant character data in document order, as the DOM text property
// defines it: the text kept in the element first, then the descendants'.
void appendText(const pugi::xml_node& element, std::string& out)
{
    out += element.value();
    for (pugi::xml_node node = element.first_child(); node; node = nextInDocument(node, element, true))
        if (valueIsText(node))
            out += node.value();
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

// Parsing in place leaves names and values in the reply's own bytes, in document
// order, and a large list is far bigger than the cache: reading a row's names
// waits on memory unless the bytes of the rows that follow are asked for early.
// A prefetch never faults, so the addresses may run past the end of the reply; they
// are computed as integers so that no out-of-range pointer is ever formed.
inline void prefetchAhead(const char* position)
{
    constexpr std::uintptr_t kDistance = 2048;
    constexpr std::uintptr_t kSpan = 384;
    const std::uintptr_t base = reinterpret_cast<std::uintptr_t>(position) + kDistance;
    for (std::uintptr_t offset = 0; offset < kSpan; offset += 64)
        __builtin_prefetch(reinterpret_cast<const void*>(base + offset));
}

// How much text rows nested in fields may repeat on top of what a reply of rows
// side by side can give (see RowReader::appendNested).
constexpr std::size_t kNestedTextAllowance = std::size_t(16) << 20;

// Writes rows of result text. One pass over a row's children finds the first
// child of each field's name; children usually come in the order the fields are
// asked for, so the field expected next is tried before the others.
class RowReader {
public:
    RowReader(std::vector<std::string_view> fields, std::string_view rowTag, std::size_t replySize)
        : m_fields(std::move(fields))
        , m_rowTag(rowTag)
        , m_picks(m_fields.size())
    {
        std::vector<std::string_view> sorted = m_fields;
        std::sort(sorted.begin(), sorted.end());
        m_uniqueFields = std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end();
        m_rowTagIsField = std::find(m_fields.begin(), m_fields.end(), m_rowTag) != m_fields.end();
        std::size_t mostRepeats = 1;
        for (auto first = sorted.begin(); first != sorted.end();) {
            const auto last = std::upper_bound(first, sorted.end(), *first);
            mostRepeats = std::max(mostRepeats, static_cast<std::size_t>(last - first));
            first = last;
        }
        const std::size_t most = std::numeric_limits<std::size_t>::max();
        m_nestedTextBudget = replySize > (most - kNestedTextAllowance) / mostRepeats
            ? most
            : replySize * mostRepeats + kNestedTextAllowance;
    }

    // Whether a field's text outgrew what a reply of this size can hold (see
    // appendNested); the rows read so far are then not the reply's.
    bool refused() const { return m_refused; }

    // Appends the row's text to out. Returns whether the row's children may hold
    // further rows, so the walk must go through them.
    bool read(const pugi::xml_node& row, std::string& out)
    {
        // Rows of the service's layout hold nothing further to walk.
        return readInOrder(row, out) ? false : readAnyOrder(row, out);
    }

private:
    // The service's own layout: exactly the fields asked for, in that order, each
    // holding plain text. Anything else is left to readAnyOrder, with out as it was.
    bool readInOrder(const pugi::xml_node& row, std::string& out) const
    {
        if (!m_uniqueFields || m_rowTagIsField)
            return false;
        const std::size_t mark = out.size();
        pugi::xml_node child = row.first_child();
        if (child)
            prefetchAhead(child.name());
        for (const std::string_view field : m_fields) {
            if (!child || child.type() != pugi::node_element || child.first_child() || !sameName(child.name(), field)) {
                out.resize(mark);
                return false;
            }
            out += child.value();
            out += '\r';
            child = child.next_sibling();
        }
        if (child) {
            out.resize(mark);
            return false;
        }
        return true;
    }

    // Returns whether the row's children may hold further rows.
    bool readAnyOrder(const pugi::xml_node& row, std::string& out)
    {
        std::fill(m_picks.begin(), m_picks.end(), pugi::xml_node());
        bool mayHoldRows = false;
        std::size_t expected = 0;
        for (pugi::xml_node child = row.first_child(); child; child = child.next_sibling()) {
            if (child.first_child())
                mayHoldRows = true;
            if (child.type() != pugi::node_element)
                continue;
            const char* name = child.name();
            if (m_uniqueFields && expected < m_fields.size() && !m_picks[expected]
                && nameIs(name, m_fields[expected])) {
                m_picks[expected++] = child;
                mayHoldRows = mayHoldRows || m_rowTagIsField;
                continue;
            }
            for (std::size_t k = 0; k < m_fields.size(); ++k) {
                if (!m_picks[k] && nameIs(name, m_fields[k])) {
                    m_picks[k] = child;
                    expected = k + 1;
                }
            }
            mayHoldRows = mayHoldRows || nameIs(name, m_rowTag);
        }
        for (const pugi::xml_node& pick : m_picks) {
            if (pick && !pick.first_child())
                out += pick.value();
            else if (pick)
                appendNested(pick, out);
            out += '\r';
        }
        return mayHoldRows;
    }

    // A field that holds elements may hold further rows, whose fields' text is part
    // of its own. Fields of rows that do not nest inside one another are disjoint
    // parts of the reply, so their text together is at most the reply's size for
    // every time a name is asked for; d rows nested in one another's fields repeat
    // it d times over, and a reply of a few megabytes would read as terabytes.
    // Beyond the allowance such a reply is refused, as one that cannot be read;
    // within it, nested rows read in full. Out of line: rows of the service's layout
    // never come here, and the loop that reads them is faster without this in it.
    [[gnu::noinline]] void appendNested(const pugi::xml_node& field, std::string& out)
    {
        auto found = m_nestedRanges.find(field.internal_object());
        if (found == m_nestedRanges.end()) {
            indexNested(field);
            found = m_nestedRanges.find(field.internal_object());
        }
        const auto [begin, end] = found->second;
        if (end - begin > m_nestedTextBudget) {
            m_refused = true;
            return;
        }
        m_nestedTextBudget -= end - begin;
        out.append(m_nestedText, begin, end - begin);
    }

    // Reading each nested field by walking its subtree would walk a reply of rows
    // nested d deep d times. Instead the subtree of a field is walked once, when the
    // first field in it is read: its text is kept in document order, with the range
    // of that text every element in it that can be a field covers, so the fields of
    // the rows below are cut from it. Iterative, like every walk here; the ranges of
    // the elements the walk is inside stay open on a stack of their own.
    void indexNested(const pugi::xml_node& root)
    {
        std::vector<TextRange*> open;
        pugi::xml_node node = root;
        for (;;) {
            if (node.first_child()) {
                // Only a row's children are ever read as fields.
                const bool field = node == root || nameIs(node.parent().name(), m_rowTag);
                TextRange* range = field ? &m_nestedRanges[node.internal_object()] : nullptr;
                if (range)
                    range->first = m_nestedText.size();
                open.push_back(range);
            }
            if (valueIsText(node))
                m_nestedText += node.value();
            if (const pugi::xml_node child = node.first_child()) {
                node = child;
                continue;
            }
            while (node != root && !node.next_sibling()) {
                node = node.parent();
                if (TextRange* range = open.back())
                    range->second = m_nestedText.size();
                open.pop_back();
            }
            if (node == root)
                return;
            node = node.next_sibling();
        }
    }

    using TextRange = std::pair<std::size_t, std::size_t>;

    std::vector<std::string_view> m_fields;
    std::string_view m_rowTag;
    std::vector<pugi::xml_node> m_picks;
    std::string m_nestedText;
    // By node address, which is stable for the life of the document.
    std::unordered_map<const void*, TextRange> m_nestedRanges;
    std::size_t m_nestedTextBudget = 0;
    bool m_uniqueFields = true;
    bool m_rowTagIsField = false;
    bool m_refused = false;
};

} // namespace

CXmlResponse::CXmlResponse()
    : m_document(std::make_unique<pugi::xml_document>())
{
}

CXmlResponse::~CXmlResponse() = default;

bool CXmlResponse::LoadText(std::string& reply)
{
    const pugi::xml_parse_result parsed
        = m_document->load_buffer_inplace(reply.data(), reply.size(), kParseOptions, pugi::encoding_utf8);
    m_loaded = static_cast<bool>(parsed);
    m_replySize = m_loaded ? reply.size() : 0;
    if (!m_loaded)
        m_document->reset();
    return m_loaded;
}

std::string CXmlResponse::GetNodeText(const char* tag, int index) const
{
    std::string text;
    if (!m_loaded || index < 0)
        return text;
    int seen = 0;
    for (pugi::xml_node node = m_document->first_child(); node; node = nextInDocument(node, *m_document, true)) {
        if (isElementNamed(node, tag) && seen++ == index) {
            appendText(node, text);
            break;
        }
    }
    return ansiIsUtf8() ? text : utf8ToAnsi(text);
}

int CXmlResponse::GetRows(const std::string& rowTag, const std::string& fieldList, std::string& result) const
{
    result.clear();
    std::vector<std::string_view> fields = splitFields(fieldList);
    if (fields.empty() || !m_loaded)
        return 0;
    RowReader reader(std::move(fields), rowTag, m_replySize);
    int rows = 0;
    // A row is written when the walk reaches it, which is document order; its
    // children are walked only when they may hold rows themselves.
    for (pugi::xml_node node = m_document->first_child(); node;) {
        bool descend = true;
        if (isElementNamed(node, rowTag)) {
            if (rows++ > 0)
                result += '\n';
            descend = reader.read(node, result);
            if (reader.refused()) {
                result.clear();
                return 0;
            }
        }
        node = nextInDocument(node, *m_document, descend);
    }
    // The conversion is stateless and CR and LF are the same in every supported
    // code page, so converting the whole text equals converting each value.
    if (!ansiIsUtf8())
        result = utf8ToAnsi(result);
    return rows;
}

} // namespace cvsrv
