#pragma once

#include "core/account/ChargeKind.h"
#include "core/account/DateRange.h"

#include <chrono>
#include <string>

// The filters the bill and recording queries send, and the ranges their pickers open
// with. The filters go into the request as they are (the service reads them as
// markup), so the comparisons are written as "&gt;" and "&lt;". The upper bound is the
// day after the range's last day, so that the whole of the last day is asked for.
namespace accountQueries {

std::string chargeWhere(ChargeKind kind, const DateRange& range, const std::string& regphoneid);
std::string recordingWhere(const DateRange& range, const std::string& regphoneid);

// The bills open on the current month up to today.
DateRange billDefaultRange(std::chrono::year_month_day today);
// The recordings open on tomorrow's month up to tomorrow.
DateRange recordingDefaultRange(std::chrono::year_month_day today);

std::chrono::year_month_day nextDay(std::chrono::year_month_day day);

} // namespace accountQueries
