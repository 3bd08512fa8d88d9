#pragma once

#include <chrono>

// A range of calendar days as the pickers show it: both ends included.
struct DateRange {
    std::chrono::year_month_day first;
    std::chrono::year_month_day last;

    // Days from first to last, both counted; 0 when last lies before first.
    int dayCount() const
    {
        const auto days = (std::chrono::sys_days(last) - std::chrono::sys_days(first)).count() + 1;
        return days > 0 ? static_cast<int>(days) : 0;
    }
};
