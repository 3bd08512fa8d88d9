#include "xls/SheetWriter.h"

#include "xls/CsvWriter.h"
#include "xls/TextEncoding.h"
#include "xls/XlsWriter.h"
#include "xls/XlsxWriter.h"

namespace xls {

std::unique_ptr<SheetWriter> SheetWriter::create(SheetFormat format)
{
    switch (format) {
    case SheetFormat::Xls:
        return std::make_unique<XlsWriter>();
    case SheetFormat::Xlsx:
        return std::make_unique<XlsxWriter>();
    case SheetFormat::Csv:
        return std::make_unique<CsvWriter>();
    case SheetFormat::Unknown:
        break;
    }
    return nullptr;
}

Status SheetWriter::checkSheetName(const std::string& sheetName)
{
    const std::u16string name = utf8ToUtf16(sheetName);
    const bool badLength = name.empty() || name.size() > 31;
    const bool badCharacter = name.find_first_of(u"[]:*?/\\") != std::u16string::npos;
    const bool badEnds = !name.empty() && (name.front() == u'\'' || name.back() == u'\'');
    if (badLength || badCharacter || badEnds)
        return { FileError::BadSheetName,
            "\"" + sheetName + "\" is not a sheet name: 1 to 31 characters, none of []:*?/\\" };
    return {};
}

Status SheetWriter::checkLimits(const std::string& path, const SheetRows& rows, std::size_t maxRows,
    std::size_t maxColumns, std::size_t maxCellCharacters)
{
    if (rows.size() > maxRows)
        return { FileError::TooLarge,
            path + ": " + std::to_string(rows.size()) + " rows, the format holds " + std::to_string(maxRows) };
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].size() > maxColumns)
            return { FileError::TooLarge,
                path + ": row " + std::to_string(r + 1) + " has " + std::to_string(rows[r].size())
                    + " cells, the format holds " + std::to_string(maxColumns) };
        for (const std::string& cell : rows[r]) {
            // Cheap first: UTF-8 never has fewer bytes than UTF-16 units.
            if (cell.size() > maxCellCharacters && utf8ToUtf16(cell).size() > maxCellCharacters)
                return { FileError::TooLarge,
                    path + ": a cell in row " + std::to_string(r + 1) + " is longer than "
                        + std::to_string(maxCellCharacters) + " characters" };
        }
    }
    return {};
}

} // namespace xls
