#pragma once

#include "core/conference/RosterRules.h"

#include <string>

// One row of a participant list, as the page shows it. A row is a copy, not a view of
// an entry: the lists' rules let a row exist without an entry and the other way round.
struct RosterRow {
    int addressno = 0; // the hidden "编号" column
    std::string name;
    std::string phone;
    WaitingOperation operation = WaitingOperation::Delete; // waiting rows
    MemberStatus status = MemberStatus::None; // joined rows; their operation follows from it

    bool operator==(const RosterRow&) const = default;
};
