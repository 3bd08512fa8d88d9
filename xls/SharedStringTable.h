#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace xls {

class BiffRecordStream;

// The workbook's shared string table: every text cell refers to its string by
// index, each distinct string stored once.
class SharedStringTable {
public:
    // The index of utf8 in the table, adding it on first use.
    std::uint32_t add(std::string_view utf8);

    std::uint32_t totalCount() const { return m_totalCount; }
    std::uint32_t uniqueCount() const { return static_cast<std::uint32_t>(m_strings.size()); }

    // Appends the SST record, the CONTINUE records it needs and the EXTSST index.
    // A string's header never splits; its characters may continue in the next
    // record after a fresh option byte, but never between the two halves of a
    // surrogate pair (some readers decode each piece on its own).
    void write(BiffRecordStream& out) const;

private:
    std::unordered_map<std::string, std::uint32_t> m_index;
    std::vector<std::u16string> m_strings;
    std::uint32_t m_totalCount = 0;
};

} // namespace xls
