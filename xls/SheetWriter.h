#pragma once

#include "xls/SheetFormat.h"
#include "xls/SheetRows.h"
#include "xls/Status.h"

#include <memory>
#include <string>

namespace xls {

// Writes rows of UTF-8 cells as the one sheet of a new file that replaces path
// only when it has been written whole.
class SheetWriter {
public:
    virtual ~SheetWriter() = default;
    virtual Status write(const std::string& path, const std::string& sheetName, const SheetRows& rows) = 0;

    // The writer of a format; null for SheetFormat::Unknown.
    static std::unique_ptr<SheetWriter> create(SheetFormat format);

protected:
    // The rules spreadsheet programs hold sheet names to: 1 to 31 characters,
    // none of []:*?/\ and no apostrophe at either end.
    static Status checkSheetName(const std::string& sheetName);
    // Checks the table against a format's limits.
    static Status checkLimits(const std::string& path, const SheetRows& rows, std::size_t maxRows,
        std::size_t maxColumns, std::size_t maxCellCharacters);
};

} // namespace xls
