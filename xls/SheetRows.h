#pragma once

#include <string>
#include <vector>

namespace xls {

// A sheet as rows of UTF-8 cells; an empty string is an empty cell.
using SheetRow = std::vector<std::string>;
using SheetRows = std::vector<SheetRow>;

} // namespace xls
