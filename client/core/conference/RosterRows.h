#pragma once

#include "core/conference/RosterRow.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The rows of one list in display order, with an index from phone to row. The lists'
// rules never put a phone in a list twice, so the index names at most one row.
//
// Rows live in slots that never move; the display order is a vector of slot numbers.
// Removing a row therefore shifts plain integers, not rows, and the phone index keeps
// naming slots, so neither a removal nor a look-up walks the rows.
class RosterRows {
public:
    int count() const { return static_cast<int>(m_order.size()); }
    bool empty() const { return m_order.empty(); }

    const RosterRow& at(int row) const { return m_slots[slotOf(row)]; }
    // The phone of the row must stay as it is: the index is keyed by it.
    RosterRow& at(int row) { return m_slots[slotOf(row)]; }

    // The row showing phone, or -1.
    int rowOf(std::string_view phone) const;

    // Appends the row and returns its number. The phone must not be listed yet.
    int append(RosterRow row);
    void remove(int row);
    void clear();

private:
    struct PhoneHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view phone) const { return std::hash<std::string_view> {}(phone); }
    };

    std::size_t slotOf(int row) const { return static_cast<std::size_t>(m_order[static_cast<std::size_t>(row)]); }

    std::vector<RosterRow> m_slots;
    std::vector<int> m_freeSlots;
    std::vector<int> m_order; // row -> slot
    std::vector<int> m_rowOfSlot; // slot -> row, -1 for a free slot
    std::unordered_map<std::string, int, PhoneHash, std::equal_to<>> m_slotOfPhone;
};
