#include "xls/BiffRecordStream.h"

#include "xls/LittleEndian.h"

#include <cassert>

namespace xls {

void BiffRecordStream::add(std::uint16_t type, std::string_view data)
{
    assert(data.size() <= kMaxRecordData);
    if (data.size() > kMaxRecordData)
        data = data.substr(0, kMaxRecordData);
    appendU16(m_bytes, type);
    appendU16(m_bytes, static_cast<std::uint16_t>(data.size()));
    m_bytes.append(data);
}

void BiffRecordStream::patchU32(std::size_t offset, std::uint32_t value)
{
    if (offset + 4 <= m_bytes.size())
        storeU32(m_bytes.data() + offset, value);
}

} // namespace xls
