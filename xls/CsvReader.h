#pragma once

#include "xls/SheetReader.h"

#include <string_view>

namespace xls {

// Comma-separated text as one sheet (the sheet name is not looked at). The file
// may be UTF-8 with or without a byte-order mark, UTF-16 with a mark, or GB18030;
// fields follow RFC 4180 (quoted separators, doubled quotes, quoted line breaks);
// the separator is a comma or, when the first line has more of them, a semicolon.
class CsvReader : public SheetReader {
public:
    Status read(const std::string& path, const std::string& sheetName, SheetRows& rows) override;

    // Splits UTF-8 text into rows.
    static SheetRows parse(std::string_view text);
    static char detectSeparator(std::string_view text);
};

} // namespace xls
