#pragma once

#include "xls/SheetReader.h"

namespace xls {

class ZipArchive;

// Office Open XML workbooks (.xlsx), read with libzip and pugixml: the sheet is
// found by name in the workbook part and reached through its relationship; shared
// strings (rich-text runs joined, phonetic runs left out), inline strings, numbers
// (as numberText() writes them), booleans ("TRUE"/"FALSE"), formula results and
// error values are read; a cell missing from a row is an empty string at its
// column. Dates arrive as the serial number they are stored as.
class XlsxReader : public SheetReader {
public:
    Status read(const std::string& path, const std::string& sheetName, SheetRows& rows) override;

    // "AB12" → 27 (zero-based column); -1 when ref does not start with a column.
    static int columnOfReference(std::string_view ref);
    // Decodes the _xHHHH_ escapes the format uses for characters XML cannot hold.
    static std::string unescape(std::string_view text);
};

} // namespace xls
