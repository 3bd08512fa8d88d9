#include "xls/XlsxReader.h"

#include "xls/InputFile.h"
#include "xls/NumberText.h"
#include "xls/SheetNames.h"
#include "xls/TextEncoding.h"
#include "xls/ZipArchive.h"

#include <pugixml.hpp>

#include <charconv>
#include <cstring>
#include <map>

namespace xls {

namespace {

constexpr std::size_t kMaxRows = 1048576;
constexpr int kMaxColumns = 16384;
constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_ws_pcdata_single;

// Producers may put the main namespace behind a prefix (<x:row>); names are
// compared without it.
std::string_view localName(const char* name)
{
    const char* colon = std::strrchr(name, ':');
    return colon ? std::string_view(colon + 1) : std::string_view(name);
}

pugi::xml_node child(pugi::xml_node node, std::string_view name)
{
    for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling()) {
        if (c.type() == pugi::node_element && localName(c.name()) == name)
            return c;
    }
    return {};
}

bool ends(std::string_view text, std::string_view suffix)
{
    return text.ends_with(suffix);
}

struct Relationship {
    std::string type;
    std::string target; // package path, without a leading slash
};

std::string folderOf(const std::string& part)
{
    const auto slash = part.rfind('/');
    return slash == std::string::npos ? std::string() : part.substr(0, slash + 1);
}

// Resolves a relationship target against the folder of the part that holds it.
std::string resolve(const std::string& folder, std::string_view target)
{
    std::string joined = target.starts_with('/') ? std::string(target.substr(1)) : folder + std::string(target);
    std::vector<std::string> segments;
    std::size_t start = 0;
    while (start <= joined.size()) {
        const auto slash = std::min(joined.find('/', start), joined.size());
        const std::string segment = joined.substr(start, slash - start);
        if (segment == "..") {
            if (!segments.empty())
                segments.pop_back();
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        start = slash + 1;
    }
    std::string path;
    for (const auto& segment : segments)
        path += (path.empty() ? "" : "/") + segment;
    return path;
}

Status parseXml(const std::string& path, const std::string& part, std::string& bytes, pugi::xml_document& document)
{
    const pugi::xml_parse_result parsed = document.load_buffer_inplace(bytes.data(), bytes.size(), kParseOptions);
    if (!parsed)
        return { FileError::NotAWorkbook, path + ": the workbook part " + part + " is not well-formed XML" };
    return {};
}

Status readXml(const ZipArchive& zip, const std::string& path, const std::string& part, std::string& bytes,
    pugi::xml_document& document)
{
    if (Status status = zip.read(part, bytes); !status)
        return status;
    return parseXml(path, part, bytes, document);
}

// The relationships of a part, by id; a part without any has an empty map.
Status relationshipsOf(const ZipArchive& zip, const std::string& path, const std::string& part,
    std::map<std::string, Relationship>& relationships)
{
    const std::string folder = folderOf(part);
    const std::string relsPart = folder + "_rels/" + part.substr(folder.size()) + ".rels";
    if (!zip.contains(relsPart))
        return {};
    std::string bytes;
    pugi::xml_document document;
    if (Status status = readXml(zip, path, relsPart, bytes, document); !status)
        return status;
    for (pugi::xml_node r = child(document, "Relationships").first_child(); r; r = r.next_sibling()) {
        if (localName(r.name()) != "Relationship")
            continue;
        relationships[r.attribute("Id").value()]
            = { r.attribute("Type").value(), resolve(folder, r.attribute("Target").value()) };
    }
    return {};
}

// The text of a shared or inline string: its own <t>, or its runs' <t> joined.
// Phonetic runs (<rPh>) are a reading aid, not part of the text.
std::string stringItemText(pugi::xml_node item)
{
    std::string text;
    for (pugi::xml_node c = item.first_child(); c; c = c.next_sibling()) {
        const std::string_view name = localName(c.name());
        if (name == "t")
            text += c.text().get();
        else if (name == "r")
            text += child(c, "t").text().get();
    }
    return XlsxReader::unescape(text);
}

Status readSharedStrings(
    const ZipArchive& zip, const std::string& path, const std::string& part, std::vector<std::string>& strings)
{
    std::string bytes;
    pugi::xml_document document;
    if (Status status = readXml(zip, path, part, bytes, document); !status)
        return status;
    for (pugi::xml_node si = child(document, "sst").first_child(); si; si = si.next_sibling()) {
        if (localName(si.name()) == "si")
            strings.push_back(stringItemText(si));
    }
    return {};
}

std::string numberCell(const char* value)
{
    double number = 0;
    const char* end = value + std::strlen(value);
    const auto [ptr, error] = std::from_chars(value, end, number);
    if (error != std::errc() || ptr != end)
        return value; // not a number after all: keep what the file says
    return numberText(number);
}

std::string cellText(pugi::xml_node cell, const std::vector<std::string>& sharedStrings)
{
    const std::string_view type = cell.attribute("t").value();
    if (type == "inlineStr")
        return stringItemText(child(cell, "is"));
    const pugi::xml_node valueNode = child(cell, "v");
    if (!valueNode)
        return {};
    const char* value = valueNode.text().get();
    if (type == "s") {
        std::size_t index = 0;
        const auto [ptr, error] = std::from_chars(value, value + std::strlen(value), index);
        return error == std::errc() && index < sharedStrings.size() ? sharedStrings[index] : std::string();
    }
    if (type == "b")
        return std::string_view(value) == "1" ? "TRUE" : "FALSE";
    if (type == "str" || type == "e")
        return XlsxReader::unescape(value);
    return numberCell(value);
}

std::size_t rowNumberOfReference(std::string_view ref)
{
    const auto digits = ref.find_first_of("0123456789");
    std::size_t number = 0;
    if (digits == std::string_view::npos)
        return 0;
    std::from_chars(ref.data() + digits, ref.data() + ref.size(), number);
    return number;
}

Status readSheet(const std::string& path, const std::string& part, std::string& bytes,
    const std::vector<std::string>& sharedStrings, SheetRows& rows)
{
    pugi::xml_document document;
    if (Status status = parseXml(path, part, bytes, document); !status)
        return status;
    const Status outOfRange { FileError::NotAWorkbook, path + ": the sheet has a cell outside the sheet's limits" };
    std::size_t rowNumber = 0; // one-based; rows and cells without a reference follow the previous one
    for (pugi::xml_node row = child(child(document, "worksheet"), "sheetData").first_child(); row;
         row = row.next_sibling()) {
        if (localName(row.name()) != "row")
            continue;
        const std::size_t given = row.attribute("r").as_ullong(0);
        rowNumber = given > 0 ? given : rowNumber + 1;
        if (rowNumber > kMaxRows)
            return outOfRange;
        int column = -1;
        for (pugi::xml_node cell = row.first_child(); cell; cell = cell.next_sibling()) {
            if (localName(cell.name()) != "c")
                continue;
            const std::string_view ref = cell.attribute("r").value();
            const int refColumn = XlsxReader::columnOfReference(ref);
            column = refColumn >= 0 ? refColumn : column + 1;
            if (column >= kMaxColumns)
                return outOfRange;
            if (refColumn >= 0 && rowNumberOfReference(ref) != 0 && rowNumberOfReference(ref) != rowNumber)
                return { FileError::NotAWorkbook, path + ": the cell " + std::string(ref) + " lies outside its row" };
            // XML readers pass ill-formed UTF-8 through; cells are UTF-8 for everyone after us.
            std::string text = sanitizeUtf8(cellText(cell, sharedStrings));
            if (text.empty())
                continue; // only cells with content make rows and columns exist
            if (rows.size() < rowNumber)
                rows.resize(rowNumber);
            SheetRow& cells = rows[rowNumber - 1];
            if (cells.size() <= static_cast<std::size_t>(column))
                cells.resize(static_cast<std::size_t>(column) + 1);
            cells[static_cast<std::size_t>(column)] = std::move(text);
        }
    }
    return {};
}

} // namespace

int XlsxReader::columnOfReference(std::string_view ref)
{
    int column = 0;
    std::size_t letters = 0;
    for (char c : ref) {
        const char upper = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        if (upper < 'A' || upper > 'Z')
            break;
        if (++letters > 3)
            return -1;
        column = column * 26 + (upper - 'A' + 1);
    }
    return letters == 0 ? -1 : column - 1;
}

std::string XlsxReader::unescape(std::string_view text)
{
    if (text.find("_x") == std::string_view::npos)
        return std::string(text);
    std::string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        unsigned code = 0;
        if (text.compare(i, 2, "_x") == 0 && i + 7 <= text.size() && text[i + 6] == '_') {
            const auto [ptr, error] = std::from_chars(text.data() + i + 2, text.data() + i + 6, code, 16);
            if (error == std::errc() && ptr == text.data() + i + 6) {
                // The escapes stand for single UTF-16 units; in practice control
                // characters and the underscore itself.
                if (code < 0x80) {
                    result += static_cast<char>(code);
                } else if (code < 0x800) {
                    result += static_cast<char>(0xC0 | (code >> 6));
                    result += static_cast<char>(0x80 | (code & 0x3F));
                } else if (code < 0xD800 || code > 0xDFFF) {
                    result += static_cast<char>(0xE0 | (code >> 12));
                    result += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                    result += static_cast<char>(0x80 | (code & 0x3F));
                } else {
                    result += "\xEF\xBF\xBD";
                }
                i += 7;
                continue;
            }
        }
        result += text[i++];
    }
    return result;
}

Status XlsxReader::read(const std::string& path, const std::string& sheetName, SheetRows& rows)
{
    rows.clear();
    if (Status status = InputFile::check(path); !status)
        return status;
    ZipArchive zip;
    if (Status status = zip.open(path); !status)
        return status;

    std::map<std::string, Relationship> packageRelationships;
    if (Status status = relationshipsOf(zip, path, "", packageRelationships); !status)
        return status;
    std::string workbookPart = "xl/workbook.xml";
    for (const auto& [id, relationship] : packageRelationships) {
        if (ends(relationship.type, "/officeDocument"))
            workbookPart = relationship.target;
    }
    if (!zip.contains(workbookPart))
        return { FileError::NotAWorkbook, path + ": is not an Excel workbook (no workbook part)" };

    std::string workbookBytes;
    pugi::xml_document workbook;
    if (Status status = readXml(zip, path, workbookPart, workbookBytes, workbook); !status)
        return status;
    std::vector<std::string> names;
    std::vector<std::string> ids;
    for (pugi::xml_node sheet = child(child(workbook, "workbook"), "sheets").first_child(); sheet;
         sheet = sheet.next_sibling()) {
        if (localName(sheet.name()) != "sheet")
            continue;
        names.emplace_back(sheet.attribute("name").value());
        std::string id;
        for (pugi::xml_attribute a = sheet.first_attribute(); a; a = a.next_attribute()) {
            if (std::strchr(a.name(), ':') && localName(a.name()) == "id")
                id = a.value();
        }
        ids.push_back(id);
    }
    const auto index = SheetNames::find(names, sheetName);
    if (!index)
        return { FileError::SheetNotFound, path + ": has no sheet \"" + sheetName + "\"" };

    std::map<std::string, Relationship> workbookRelationships;
    if (Status status = relationshipsOf(zip, path, workbookPart, workbookRelationships); !status)
        return status;
    const auto sheetRelationship = workbookRelationships.find(ids[*index]);
    if (sheetRelationship == workbookRelationships.end())
        return { FileError::NotAWorkbook, path + ": the sheet \"" + sheetName + "\" has no part" };

    std::vector<std::string> sharedStrings;
    for (const auto& [id, relationship] : workbookRelationships) {
        if (ends(relationship.type, "/sharedStrings")) {
            if (Status status = readSharedStrings(zip, path, relationship.target, sharedStrings); !status)
                return status;
        }
    }

    const std::string& sheetPart = sheetRelationship->second.target;
    std::string sheetBytes;
    if (Status status = zip.read(sheetPart, sheetBytes); !status)
        return status;
    if (Status status = readSheet(path, sheetPart, sheetBytes, sharedStrings, rows); !status) {
        rows.clear();
        return status;
    }
    return {};
}

} // namespace xls
