#include "xls/CsvWriter.h"

#include "xls/AtomicFile.h"
#include "xls/TextEncoding.h"

namespace xls {

namespace {

void appendField(std::string& out, const std::string& field)
{
    // Semicolons are quoted too, so that the reader's separator detection never
    // mistakes a header cell for a separator.
    if (field.find_first_of(",;\"\r\n") == std::string::npos) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

} // namespace

std::string CsvWriter::format(const SheetRows& rows)
{
    std::string out = "\xEF\xBB\xBF";
    for (const SheetRow& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0)
                out += ',';
            appendField(out, sanitizeUtf8(row[i]));
        }
        out += "\r\n";
    }
    return out;
}

Status CsvWriter::write(const std::string& path, const std::string&, const SheetRows& rows)
{
    AtomicFile file(path);
    if (Status status = file.open(); !status)
        return status;
    if (Status status = file.write(format(rows)); !status)
        return status;
    return file.commit();
}

} // namespace xls
