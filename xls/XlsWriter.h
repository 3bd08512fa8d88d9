#pragma once

#include "xls/SheetWriter.h"

namespace xls {

// Excel 97-2003 workbooks (.xls) of our own making: a BIFF8 "Workbook" stream in
// an OLE2 compound file, every cell a shared string.
class XlsWriter : public SheetWriter {
public:
    // The format's limits: a sheet of BIFF8 ends at row 65,536 and column IV.
    static constexpr std::size_t kMaxRows = 65536;
    static constexpr std::size_t kMaxColumns = 256;
    static constexpr std::size_t kMaxCellCharacters = 32767;

    Status write(const std::string& path, const std::string& sheetName, const SheetRows& rows) override;
};

} // namespace xls
