#pragma once

// A row of the contacts list. A header row has parent -1 and index = the group's
// position in its table (index == groups in use names the pseudo-group); a member row
// has parent = the group's position and index = the member's position in that group.
struct RowRef {
    int parent = -1;
    int index = -1;

    bool isHeader() const { return parent < 0; }
    bool operator==(const RowRef&) const = default;
};
