#pragma once

#include "xls/SheetRows.h"

#include <string>

namespace xls {

// The "Workbook" stream of an Excel 97-2003 file (BIFF8) holding one sheet of text
// cells: the globals (code page 1200, fonts, cell formats, the sheet's entry, the
// shared strings) and the sheet (its dimensions, one LABELSST record per non-empty
// cell, its window). Callers keep to the format's limits (XlsWriter checks them).
class BiffWorkbook {
public:
    static std::string build(const std::string& sheetName, const SheetRows& rows);
};

} // namespace xls
