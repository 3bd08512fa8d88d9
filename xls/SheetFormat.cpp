#include "xls/SheetFormat.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace xls {

SheetFormat sheetFormatOf(std::string_view path)
{
    const auto dot = path.find_last_of("./");
    if (dot == std::string_view::npos || path[dot] != '.')
        return SheetFormat::Unknown;
    std::string ending(path.substr(dot + 1));
    std::transform(ending.begin(), ending.end(), ending.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ending == "xls")
        return SheetFormat::Xls;
    if (ending == "xlsx")
        return SheetFormat::Xlsx;
    if (ending == "csv")
        return SheetFormat::Csv;
    return SheetFormat::Unknown;
}

} // namespace xls
