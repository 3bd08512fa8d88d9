#include "xls/XlsxWriter.h"

#include "xls/AtomicFile.h"
#include "xls/TextEncoding.h"

#include <xlsxwriter.h>

namespace xls {

Status XlsxWriter::write(const std::string& path, const std::string& sheetName, const SheetRows& rows)
{
    if (Status status = checkSheetName(sheetName); !status)
        return status;
    if (Status status = checkLimits(path, rows, kMaxRows, kMaxColumns, kMaxCellCharacters); !status)
        return status;
    AtomicFile file(path);
    if (Status status = file.open(); !status)
        return status;

    const Status failed { FileError::WriteFailed, path + ": the workbook could not be written" };
    lxw_workbook_options options {};
    // Rows are written in order: the library can stream them to its temporary
    // file instead of holding every cell, which keeps big address books cheap.
    options.constant_memory = LXW_TRUE;
    lxw_workbook* workbook = workbook_new_opt(file.temporaryPath().c_str(), &options);
    if (!workbook)
        return failed;
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, sheetName.c_str());
    bool written = sheet != nullptr;
    for (std::size_t r = 0; written && r < rows.size(); ++r) {
        for (std::size_t c = 0; written && c < rows[r].size(); ++c) {
            if (rows[r][c].empty())
                continue;
            const std::string text = sanitizeUtf8(rows[r][c]);
            written = worksheet_write_string(
                          sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c), text.c_str(), nullptr)
                == LXW_NO_ERROR;
        }
    }
    // The workbook is only assembled on close, which also frees it.
    written = workbook_close(workbook) == LXW_NO_ERROR && written;
    if (!written)
        return failed;
    return file.commit();
}

} // namespace xls
