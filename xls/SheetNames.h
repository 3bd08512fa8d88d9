#pragma once

#include <optional>
#include <string>
#include <vector>

namespace xls {

// Finding a sheet by name among a workbook's sheets.
class SheetNames {
public:
    // The index of the sheet called name: an exact match first, else one that
    // differs only in the letter case of ASCII letters, as spreadsheet programs
    // treat "sheet1" and "Sheet1" as the same sheet.
    static std::optional<std::size_t> find(const std::vector<std::string>& names, const std::string& name);
};

} // namespace xls
