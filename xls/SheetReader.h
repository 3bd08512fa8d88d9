#pragma once

#include "xls/SheetFormat.h"
#include "xls/SheetRows.h"
#include "xls/Status.h"

#include <memory>
#include <string>

namespace xls {

// Reads one sheet of a file into rows of UTF-8 cells. Row i of the result is the
// sheet's row i + 1; a missing cell is an empty string at its column.
class SheetReader {
public:
    virtual ~SheetReader() = default;
    virtual Status read(const std::string& path, const std::string& sheetName, SheetRows& rows) = 0;

    // The reader of a format; null for SheetFormat::Unknown.
    static std::unique_ptr<SheetReader> create(SheetFormat format);
};

} // namespace xls
