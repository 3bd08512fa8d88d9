#pragma once

#include "xls/SheetWriter.h"

namespace xls {

// Office Open XML workbooks (.xlsx) through libxlsxwriter; every cell is written
// as text, so a phone number keeps its leading zeros.
class XlsxWriter : public SheetWriter {
public:
    static constexpr std::size_t kMaxRows = 1048576;
    static constexpr std::size_t kMaxColumns = 16384;
    static constexpr std::size_t kMaxCellCharacters = 32767;

    Status write(const std::string& path, const std::string& sheetName, const SheetRows& rows) override;
};

} // namespace xls
