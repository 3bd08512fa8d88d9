#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cvservice {

// One comparison of a caller-built filter: column and operator come from fixed
// lists, so they may be written into SQL; the value is always bound.
struct FilterCondition {
    std::string column;
    std::string op; // one of = < <= > >=
    std::string value;
};

// Reads the filters the client builds for the charge and recording queries:
// comparisons "column op 'value'" joined by "and", such as
//   meettime >= '2026-12-01' and processtime <='2026-12-08' and regphoneid ='13800138000'
// Time columns take a date or date and time, normalised to the stored form; any
// other shape (another column, "or", a sub-query, an unterminated quote) is refused.
class FilterParser {
public:
    FilterParser(std::vector<std::string> timeColumns, std::vector<std::string> textColumns);

    std::optional<std::vector<FilterCondition>> parse(std::string_view filter) const;

private:
    bool isTimeColumn(const std::string& name) const;
    bool isTextColumn(const std::string& name) const;

    std::vector<std::string> m_timeColumns;
    std::vector<std::string> m_textColumns;
};

} // namespace cvservice
