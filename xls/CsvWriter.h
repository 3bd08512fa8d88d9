#pragma once

#include "xls/SheetWriter.h"

namespace xls {

// Comma-separated UTF-8 text with a byte-order mark (so spreadsheet programs on
// Chinese Windows do not read it as GB18030) and CR LF line ends; a field is quoted
// when it holds a separator, a quote or a line break.
class CsvWriter : public SheetWriter {
public:
    Status write(const std::string& path, const std::string& sheetName, const SheetRows& rows) override;

    static std::string format(const SheetRows& rows);
};

} // namespace xls
