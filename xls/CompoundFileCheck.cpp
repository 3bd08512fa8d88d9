#include "xls/CompoundFileCheck.h"

#include "xls/LittleEndian.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace xls {

namespace {

constexpr std::string_view kSignature { "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8 };
constexpr std::size_t kHeaderSize = 512;
constexpr std::size_t kEntrySize = 128;
constexpr std::size_t kNameFieldBytes = 64;
constexpr std::size_t kStartSectorOffset = 116;
constexpr std::size_t kStreamSizeOffset = 120;
constexpr std::size_t kHeaderFatEntries = 109;
constexpr std::uint32_t kLastSector = 0xFFFFFFFA; // larger values mark chain ends and free sectors
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;

class CompoundFile {
public:
    CompoundFile(std::string_view bytes, std::size_t sectorSize)
        : m_bytes(bytes)
        , m_sectorSize(sectorSize)
        // Sector i starts at (i + 1) sector sizes: the header takes the first one.
        , m_sectorCount(bytes.size() < 2 * sectorSize ? 0 : bytes.size() / sectorSize - 1)
    {
    }

    bool holds(std::uint32_t sector) const { return sector < m_sectorCount; }
    std::string_view sector(std::uint32_t index) const
    {
        return m_bytes.substr((std::size_t(index) + 1) * m_sectorSize, m_sectorSize);
    }
    std::size_t sectorCount() const { return m_sectorCount; }

    // The allocation table, from the sectors the header lists and those the list
    // sectors after it add, read as freexl reads them. nullopt when a listed sector
    // lies outside the file: freexl computes sector offsets in 32 bits, so such a
    // number wraps around to some other part of the file and its table would not
    // be this one.
    std::optional<std::vector<std::uint32_t>> allocationTable() const
    {
        std::vector<std::uint32_t> fatSectors;
        for (std::size_t i = 0; i < kHeaderFatEntries; ++i) {
            if (const std::uint32_t fatSector = loadU32(m_bytes, 0x4C + 4 * i); fatSector != kFreeSector)
                fatSectors.push_back(fatSector);
        }
        const std::uint32_t listCount = loadU32(m_bytes, 0x48);
        std::uint32_t listSector = loadU32(m_bytes, 0x44);
        for (std::uint32_t read = 0; read < listCount; ++read) {
            if (!holds(listSector) || read >= m_sectorCount)
                return std::nullopt; // outside the file, or a list that loops
            const std::string_view list = sector(listSector);
            bool ended = false;
            for (std::size_t at = 0; at + 4 <= list.size() && !ended; at += 4) {
                const std::uint32_t entry = loadU32(list, at);
                if (entry == kEndOfChain)
                    ended = true;
                else if (at + 4 == list.size())
                    listSector = entry;
                else if (entry != kFreeSector)
                    fatSectors.push_back(entry);
            }
            if (ended)
                break;
        }
        std::vector<std::uint32_t> table;
        for (const std::uint32_t fatSector : fatSectors) {
            if (!holds(fatSector))
                return std::nullopt;
            const std::string_view entries = sector(fatSector);
            for (std::size_t at = 0; at < entries.size(); at += 4)
                table.push_back(loadU32(entries, at));
        }
        return table;
    }

    // The bytes of the chain starting at first, at most limit of them; nullopt when
    // the chain leaves the file or loops before that.
    std::optional<std::string> chain(
        std::uint32_t first, std::size_t limit, const std::vector<std::uint32_t>& table) const
    {
        std::string bytes;
        for (std::uint32_t next = first; bytes.size() < limit && next < kLastSector;) {
            if (!holds(next) || bytes.size() >= m_sectorCount * m_sectorSize)
                return std::nullopt;
            bytes.append(sector(next));
            next = next < table.size() ? table[next] : kLastSector + 1;
        }
        if (bytes.size() < limit)
            return std::nullopt;
        bytes.resize(limit);
        return bytes;
    }

private:
    std::string_view m_bytes;
    std::size_t m_sectorSize;
    std::size_t m_sectorCount;
};

bool entriesFit(std::string_view directorySector, std::size_t fileSize)
{
    for (std::size_t at = 0; at + kEntrySize <= directorySector.size(); at += kEntrySize) {
        const std::uint16_t nameLength = loadU16(directorySector, at + kNameFieldBytes);
        if (nameLength > kNameFieldBytes || nameLength % 2 != 0)
            return false;
        if (loadU32(directorySector, at + kStreamSizeOffset) > fileSize)
            return false;
    }
    return true;
}

// The entry's name up to its first NUL, as freexl compares it; characters outside
// ASCII never match the names looked for and become '?'.
std::string entryName(std::string_view entry)
{
    const std::size_t length = std::min<std::size_t>(loadU16(entry, kNameFieldBytes), kNameFieldBytes);
    std::string name;
    for (std::size_t at = 0; at + 1 < length; at += 2) {
        const std::uint16_t unit = loadU16(entry, at);
        if (unit == 0)
            break;
        name.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
    }
    return name;
}

std::optional<CompoundFile> openCompoundFile(std::string_view file)
{
    if (file.size() < kHeaderSize)
        return std::nullopt;
    const std::uint16_t sectorShift = loadU16(file, 0x1E);
    if (sectorShift != 9 && sectorShift != 12)
        return std::nullopt;
    return CompoundFile(file, std::size_t(1) << sectorShift);
}

} // namespace

bool directoryFitsFile(std::string_view file)
{
    if (file.size() < kHeaderSize)
        return true; // not a compound file: freexl refuses it without reading a directory
    const std::optional<CompoundFile> compound = openCompoundFile(file);
    if (!compound)
        return false;
    const std::optional<std::vector<std::uint32_t>> table = compound->allocationTable();
    std::uint32_t next = loadU32(file, 0x30);
    // freexl reads the first directory sector wherever its number points, wrapping
    // around to the header for an end-of-chain mark.
    if (!table || !compound->holds(next))
        return false;
    // A chain longer than the file has sectors loops; freexl is then refused too.
    for (std::size_t hops = 0; next < kLastSector; ++hops) {
        if (!compound->holds(next) || hops >= compound->sectorCount())
            return false;
        if (!entriesFit(compound->sector(next), file.size()))
            return false;
        next = next < table->size() ? (*table)[next] : kLastSector + 1;
    }
    return true;
}

std::optional<std::string> workbookStream(std::string_view file)
{
    if (!file.starts_with(kSignature))
        return std::string(file);
    const std::optional<CompoundFile> compound = openCompoundFile(file);
    if (!compound || !compound->holds(loadU32(file, 0x30)))
        return std::string();
    const std::uint32_t directory = loadU32(file, 0x30);

    // freexl looks for the stream in the first directory sector only, and takes the
    // mini stream from a root entry met before it.
    const std::string_view entries = compound->sector(directory);
    std::optional<std::string_view> root;
    for (std::size_t at = 0; at + kEntrySize <= entries.size(); at += kEntrySize) {
        const std::string_view entry = entries.substr(at, kEntrySize);
        const std::string name = entryName(entry);
        if (name == "Root Entry")
            root = entry;
        if (name != "Workbook" && name != "Book")
            continue;
        const std::optional<std::vector<std::uint32_t>> table = compound->allocationTable();
        if (!table)
            return std::nullopt;
        const std::uint32_t size = loadU32(entry, kStreamSizeOffset);
        const bool hasMiniFat = loadU32(file, 0x40) > 0;
        const std::uint32_t miniCutoff = hasMiniFat ? loadU32(file, 0x38) : 0;
        if (size > miniCutoff)
            return compound->chain(loadU32(entry, kStartSectorOffset), size, *table);
        // A small stream is read from the start of the mini stream, for its own size.
        if (!root)
            return std::string();
        std::optional<std::string> mini
            = compound->chain(loadU32(*root, kStartSectorOffset), loadU32(*root, kStreamSizeOffset), *table);
        if (!mini || mini->size() < size)
            return std::nullopt;
        mini->resize(size);
        return mini;
    }
    return std::string();
}

} // namespace xls
