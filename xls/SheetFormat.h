#pragma once

#include <string_view>

namespace xls {

enum class SheetFormat { Unknown, Xls, Xlsx, Csv };

// The format a file's ending names, compared without regard to letter case.
SheetFormat sheetFormatOf(std::string_view path);

} // namespace xls
