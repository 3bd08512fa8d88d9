#pragma once

#include <string_view>
#include <vector>

// The account lists filter on the text of a row as the service sent it, not on what
// the cells show, so a search for "1234" finds a charge shown as "12.34".
namespace rawRowFilter {

// The indexes of every row, in order.
template <typename Row> std::vector<int> allRows(const std::vector<Row>& rows)
{
    std::vector<int> indexes(rows.size());
    for (std::size_t i = 0; i < indexes.size(); ++i)
        indexes[i] = int(i);
    return indexes;
}

// The indexes of the rows whose raw text holds filter; every row for an empty filter.
template <typename Row> std::vector<int> rowsHolding(const std::vector<Row>& rows, std::string_view filter)
{
    if (filter.empty())
        return allRows(rows);
    std::vector<int> indexes;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (std::string_view(rows[i].text).find(filter) != std::string_view::npos)
            indexes.push_back(int(i));
    }
    return indexes;
}

} // namespace rawRowFilter
