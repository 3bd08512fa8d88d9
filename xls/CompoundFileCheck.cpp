#include "xls/CompoundFileCheck.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace xls {

namespace {

constexpr std::size_t kHeaderSize = 512;
constexpr std::size_t kEntrySize = 128;
constexpr std::size_t kNameFieldBytes = 64;
constexpr std::size_t kStreamSizeOffset = 120;
constexpr std::size_t kHeaderFatEntries = 109;
constexpr std::uint32_t kLastSector = 0xFFFFFFFA; // larger values mark chain ends and free sectors

std::uint32_t u32(std::string_view bytes, std::size_t at)
{
    const auto b = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])); };
    return b(0) | b(1) << 8 | b(2) << 16 | b(3) << 24;
}

std::uint16_t u16(std::string_view bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(
        static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8);
}

class CompoundFile {
public:
    CompoundFile(std::string_view bytes, std::size_t sectorSize)
        : m_bytes(bytes)
        , m_sectorSize(sectorSize)
        , m_sectorCount((bytes.size() - kHeaderSize) / sectorSize)
    {
    }

    bool holds(std::uint32_t sector) const { return sector < m_sectorCount; }
    std::string_view sector(std::uint32_t index) const
    {
        return m_bytes.substr(kHeaderSize + std::size_t(index) * m_sectorSize, m_sectorSize);
    }
    std::size_t sectorCount() const { return m_sectorCount; }
    std::size_t sectorSize() const { return m_sectorSize; }

    // The allocation table, from the header's sector list and the chain of list
    // sectors after it; sectors outside the file are left out.
    std::vector<std::uint32_t> allocationTable() const
    {
        std::vector<std::uint32_t> fatSectors;
        for (std::size_t i = 0; i < kHeaderFatEntries; ++i)
            fatSectors.push_back(u32(m_bytes, 0x4C + 4 * i));
        std::uint32_t listSector = u32(m_bytes, 0x44);
        for (std::size_t hops = 0; holds(listSector) && hops < m_sectorCount; ++hops) {
            const std::string_view list = sector(listSector);
            for (std::size_t at = 0; at + 4 < list.size(); at += 4)
                fatSectors.push_back(u32(list, at));
            listSector = u32(list, list.size() - 4);
        }
        std::vector<std::uint32_t> table;
        for (const std::uint32_t fatSector : fatSectors) {
            if (!holds(fatSector))
                continue;
            const std::string_view entries = sector(fatSector);
            for (std::size_t at = 0; at < entries.size(); at += 4)
                table.push_back(u32(entries, at));
        }
        return table;
    }

private:
    std::string_view m_bytes;
    std::size_t m_sectorSize;
    std::size_t m_sectorCount;
};

bool entriesFit(std::string_view directorySector, std::size_t fileSize)
{
    for (std::size_t at = 0; at + kEntrySize <= directorySector.size(); at += kEntrySize) {
        const std::uint16_t nameLength = u16(directorySector, at + kNameFieldBytes);
        if (nameLength > kNameFieldBytes || nameLength % 2 != 0)
            return false;
        if (u32(directorySector, at + kStreamSizeOffset) > fileSize)
            return false;
    }
    return true;
}

} // namespace

bool directoryFitsFile(std::string_view file)
{
    if (file.size() < kHeaderSize)
        return true; // not a compound file: freexl refuses it without reading a directory
    const std::uint16_t sectorShift = u16(file, 0x1E);
    if (sectorShift != 9 && sectorShift != 12)
        return false;
    const CompoundFile compound(file, std::size_t(1) << sectorShift);
    const std::vector<std::uint32_t> table = compound.allocationTable();
    std::uint32_t next = u32(file, 0x30);
    // A chain longer than the file has sectors loops; freexl is then refused too.
    for (std::size_t hops = 0; next < kLastSector; ++hops) {
        if (!compound.holds(next) || hops >= compound.sectorCount())
            return false;
        if (!entriesFit(compound.sector(next), file.size()))
            return false;
        next = next < table.size() ? table[next] : kLastSector + 1;
    }
    return true;
}

} // namespace xls
