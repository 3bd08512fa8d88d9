#include "xls/XlsReader.h"

#include "xls/BiffRecordCheck.h"
#include "xls/CompoundFileCheck.h"
#include "xls/InputFile.h"
#include "xls/NumberText.h"
#include "xls/SheetNames.h"

#include <freexl.h>
#include <memory>

namespace xls {

namespace {

// Sheets are read whole, a text for every cell up to the declared size, and freexl
// keeps 16 bytes a cell besides. A workbook declaring more than 65,536 rows of 16
// columns (far beyond any address book) is refused as too large before freexl
// allocates it: a few forged bytes would otherwise cost gigabytes and seconds.
constexpr std::uint64_t kMaxCells = 65536 * 16;

struct FreexlCloser {
    void operator()(const void* handle) const { freexl_close(handle); }
};
using FreexlHandle = std::unique_ptr<const void, FreexlCloser>;

Status damaged(const std::string& path, int code)
{
    return { FileError::NotAWorkbook,
        path + ": is not an Excel 97-2003 workbook or is damaged (freexl error " + std::to_string(code) + ")" };
}

Status tooLarge(const std::string& path)
{
    return { FileError::TooLarge, path + ": too large to read" };
}

std::string cellText(const FreeXL_CellValue& cell)
{
    switch (cell.type) {
    case FREEXL_CELL_INT:
        return std::to_string(cell.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return numberText(cell.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        return cell.value.text_value ? cell.value.text_value : "";
    default:
        return {};
    }
}

} // namespace

Status XlsReader::read(const std::string& path, const std::string& sheetName, SheetRows& rows)
{
    rows.clear();
    std::string bytes;
    if (Status status = InputFile::read(path, bytes); !status)
        return status;
    if (!directoryFitsFile(bytes))
        return damaged(path, FREEXL_CFBF_ILLEGAL_FAT_ENTRY);
    const std::optional<std::string> stream = workbookStream(bytes);
    const RecordCheck records = stream ? checkRecords(*stream) : RecordCheck { false };
    if (!records.fits)
        return damaged(path, FREEXL_CRAFTED_FILE);
    if (records.cells > kMaxCells)
        return tooLarge(path);

    const void* raw = nullptr;
    const int opened = freexl_open(path.c_str(), &raw);
    FreexlHandle handle(raw);
    if (opened == FREEXL_FILE_NOT_FOUND)
        return { FileError::NotFound, path + ": no such file" };
    if (opened == FREEXL_INSUFFICIENT_MEMORY)
        return tooLarge(path);
    if (opened != FREEXL_OK)
        return damaged(path, opened);

    unsigned int password = 0;
    if (freexl_get_info(raw, FREEXL_BIFF_PASSWORD, &password) == FREEXL_OK && password == FREEXL_BIFF_OBFUSCATED)
        return { FileError::NotAWorkbook, path + ": is protected by a password" };

    unsigned int sheetCount = 0;
    if (freexl_get_info(raw, FREEXL_BIFF_SHEET_COUNT, &sheetCount) != FREEXL_OK)
        return damaged(path, FREEXL_BIFF_WORKBOOK_NOT_FOUND);
    std::vector<std::string> names;
    for (unsigned short i = 0; i < sheetCount; ++i) {
        const char* name = nullptr;
        names.emplace_back(freexl_get_worksheet_name(raw, i, &name) == FREEXL_OK && name ? name : "");
    }
    const auto index = SheetNames::find(names, sheetName);
    if (!index)
        return { FileError::SheetNotFound, path + ": has no sheet \"" + sheetName + "\"" };
    if (const int selected = freexl_select_active_worksheet(raw, static_cast<unsigned short>(*index));
        selected != FREEXL_OK)
        return damaged(path, selected);

    unsigned int rowCount = 0;
    unsigned short columnCount = 0;
    if (const int measured = freexl_worksheet_dimensions(raw, &rowCount, &columnCount); measured != FREEXL_OK)
        return damaged(path, measured);
    rows.resize(rowCount);
    for (unsigned int r = 0; r < rowCount; ++r) {
        SheetRow& row = rows[r];
        row.resize(columnCount);
        for (unsigned short c = 0; c < columnCount; ++c) {
            FreeXL_CellValue cell {};
            if (freexl_get_cell_value(raw, r, c, &cell) == FREEXL_OK)
                row[c] = cellText(cell);
        }
    }
    return {};
}

} // namespace xls
