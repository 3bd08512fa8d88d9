#pragma once

#include "xls/SheetReader.h"

namespace xls {

// Excel 97-2003 (BIFF) workbooks, read through freexl. Text cells arrive as UTF-8;
// numbers as numberText() writes them; dates and times as freexl formats them
// ("YYYY-MM-DD", "YYYY-MM-DD HH:MM:SS", "HH:MM:SS").
class XlsReader : public SheetReader {
public:
    Status read(const std::string& path, const std::string& sheetName, SheetRows& rows) override;
};

} // namespace xls
