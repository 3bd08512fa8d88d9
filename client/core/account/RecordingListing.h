#pragma once

#include <string>
#include <string_view>
#include <vector>

// The rows of a recording query and the texts the recording list shows for them:
// conference id, title, host number, time to the second, and the recording's
// address (a hidden column the double click plays). The playing hint of the fifth
// column is the window's text, not the service's.
class RecordingListing {
public:
    enum Column { ConferenceId, Title, HostNumber, Time, Hint, Address, ColumnCount };

    struct Row {
        std::string text;
        std::vector<std::string> fields;
    };

    void clear() { m_rows.clear(); }
    void load(const std::string& resultText);

    int rowCount() const { return int(m_rows.size()); }
    const Row& row(int index) const { return m_rows[std::size_t(index)]; }
    // The text of a column; empty for the hint column.
    std::string cell(int row, int column) const;
    std::string address(int row) const { return cell(row, Address); }

    std::vector<int> allRows() const;
    // The rows whose text holds filter; an empty filter finds them all.
    std::vector<int> rowsHolding(std::string_view filter) const;

private:
    std::vector<Row> m_rows;
};
