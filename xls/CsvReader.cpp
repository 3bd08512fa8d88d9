#include "xls/CsvReader.h"

#include "xls/InputFile.h"
#include "xls/TextEncoding.h"

namespace xls {

Status CsvReader::read(const std::string& path, const std::string&, SheetRows& rows)
{
    rows.clear();
    std::string bytes;
    if (Status status = InputFile::read(path, bytes); !status)
        return status;
    const bool utf16 = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
    // A NUL byte never occurs in 8-bit text: this is some binary file named .csv.
    if (!utf16 && bytes.find('\0') != std::string::npos)
        return { FileError::NotAWorkbook, path + ": is not a text file" };
    rows = parse(decodeText(bytes));
    return {};
}

char CsvReader::detectSeparator(std::string_view text)
{
    std::size_t commas = 0;
    std::size_t semicolons = 0;
    bool quoted = false;
    for (char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        else if (!quoted && c == ',')
            ++commas;
        else if (!quoted && c == ';')
            ++semicolons;
    }
    return semicolons > commas ? ';' : ',';
}

SheetRows CsvReader::parse(std::string_view text)
{
    const char separator = detectSeparator(text);
    SheetRows rows;
    SheetRow row;
    std::string field;
    bool quoted = false; // inside a quoted field
    bool fieldStarted = false;
    const auto endField = [&] {
        row.push_back(std::move(field));
        field.clear();
        fieldStarted = false;
    };
    const auto endRow = [&] {
        endField();
        rows.push_back(std::move(row));
        row.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"') {
                field += c;
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (c == separator) {
            endField();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            endRow();
        } else {
            // A quote inside an unquoted field, or text after a closing quote, is
            // kept as it stands: spreadsheet programs read such lines the same way.
            field += c;
            fieldStarted = true;
        }
    }
    if (fieldStarted || !row.empty() || quoted)
        endRow();
    return rows;
}

} // namespace xls
