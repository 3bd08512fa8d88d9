#pragma once

#include "core/account/ChargeKind.h"
#include "core/account/DateRange.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The rows of a bill query and the texts the bill list shows for them. A row keeps
// the text the service sent (the filter searches it as it came, separators
// included) and the fields read from it once, so a keystroke in the search box only
// searches.
//
// The list shows a row two ways. Straight after the query, times are cut to the
// minute (conference charges) and amounts are yuan with two decimals; once the
// search box has been typed in, the rows found show their times to the second and
// the amounts as the service sent them, in hundredths.
class ChargeListing {
public:
    enum class View { Query, Filter };

    struct Row {
        std::string text;
        std::vector<std::string> fields;
        std::int64_t amount = 0; // hundredths
        std::int64_t minutes = 0; // conference minutes; 0 for messages
        std::chrono::year_month_day day; // the day it was charged on; !ok() when unreadable
    };

    struct Totals {
        int count = 0;
        std::int64_t minutes = 0;
        std::int64_t amount = 0; // hundredths
    };

    struct DayAmount {
        std::chrono::year_month_day day;
        std::int64_t amount = 0; // hundredths
    };

    // A range longer than this is charted by its last days only.
    static constexpr int kMaxChartDays = 3660;

    explicit ChargeListing(ChargeKind kind = ChargeKind::Conference);

    ChargeKind kind() const { return m_kind; }
    // Another kind of charges: the rows go.
    void reset(ChargeKind kind);
    void clear();
    // The rows of a result text, fetched for range.
    void load(const std::string& resultText, const DateRange& range);

    int rowCount() const { return int(m_rows.size()); }
    const Row& row(int index) const { return m_rows[std::size_t(index)]; }
    const DateRange& range() const { return m_range; }

    static int columnCount(ChargeKind kind) { return kind == ChargeKind::Sms ? 3 : 5; }
    int columnCount() const { return columnCount(m_kind); }
    std::string cell(int row, int column, View view) const;

    std::vector<int> allRows() const;
    // The rows whose text holds filter; an empty filter finds them all.
    std::vector<int> rowsHolding(std::string_view filter) const;

    Totals totals(const std::vector<int>& rows) const;
    // Every day of the range with the amounts charged on it, in order.
    std::vector<DayAmount> dailyAmounts() const;

    // "%.2f" of hundredths / 100.
    static std::string yuanText(std::int64_t hundredths);
    // Every "T" a blank, then at most length characters.
    static std::string timeText(std::string_view field, std::size_t length);

private:
    Row readRow(std::string text) const;
    const std::string& field(const Row& row, std::size_t index) const;

    ChargeKind m_kind;
    std::vector<Row> m_rows;
    DateRange m_range {};
};
