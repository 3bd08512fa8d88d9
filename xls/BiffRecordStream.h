#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace xls {

// The bytes of a BIFF8 workbook stream: records of a 2-byte type, a 2-byte length
// and at most 8,224 bytes of data.
class BiffRecordStream {
public:
    static constexpr std::size_t kMaxRecordData = 8224;

    // Appends one record; data longer than kMaxRecordData is a programming error
    // (the callers split with CONTINUE records) and is cut.
    void add(std::uint16_t type, std::string_view data);
    // Overwrites four bytes already written, for offsets known only later.
    void patchU32(std::size_t offset, std::uint32_t value);

    std::size_t size() const { return m_bytes.size(); }
    void reserve(std::size_t bytes) { m_bytes.reserve(bytes); }
    const std::string& bytes() const { return m_bytes; }
    std::string take() { return std::move(m_bytes); }

private:
    std::string m_bytes;
};

} // namespace xls
