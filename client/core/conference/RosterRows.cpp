#include "core/conference/RosterRows.h"

int RosterRows::rowOf(std::string_view phone) const
{
    const auto found = m_slotOfPhone.find(phone);
    return found == m_slotOfPhone.end() ? -1 : m_rowOfSlot[static_cast<std::size_t>(found->second)];
}

int RosterRows::append(RosterRow row)
{
    int slot;
    if (m_freeSlots.empty()) {
        slot = static_cast<int>(m_slots.size());
        m_slots.push_back(std::move(row));
        m_rowOfSlot.push_back(-1);
    } else {
        slot = m_freeSlots.back();
        m_freeSlots.pop_back();
        m_slots[static_cast<std::size_t>(slot)] = std::move(row);
    }
    const int number = count();
    m_order.push_back(slot);
    m_rowOfSlot[static_cast<std::size_t>(slot)] = number;
    m_slotOfPhone.emplace(m_slots[static_cast<std::size_t>(slot)].phone, slot);
    return number;
}

void RosterRows::remove(int row)
{
    const std::size_t slot = slotOf(row);
    RosterRow& removed = m_slots[slot];
    const auto indexed = m_slotOfPhone.find(removed.phone);
    if (indexed != m_slotOfPhone.end() && indexed->second == static_cast<int>(slot))
        m_slotOfPhone.erase(indexed);
    removed = {};
    m_rowOfSlot[slot] = -1;
    m_freeSlots.push_back(static_cast<int>(slot));
    m_order.erase(m_order.begin() + row);
    for (std::size_t r = static_cast<std::size_t>(row); r < m_order.size(); ++r)
        m_rowOfSlot[static_cast<std::size_t>(m_order[r])] = static_cast<int>(r);
}

void RosterRows::clear()
{
    m_slots.clear();
    m_freeSlots.clear();
    m_order.clear();
    m_rowOfSlot.clear();
    m_slotOfPhone.clear();
}
