#include "xls/CompoundFileWriter.h"

#include "xls/LittleEndian.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>

namespace xls {

namespace {

constexpr std::size_t kSectorSize = 512;
constexpr std::size_t kMiniSectorSize = 64;
constexpr std::size_t kMiniStreamCutoff = 4096;
constexpr std::size_t kEntriesPerSector = kSectorSize / 4;
constexpr std::size_t kHeaderDifatEntries = 109;
constexpr std::size_t kDirectoryEntrySize = 128;

constexpr std::uint32_t kDifatSector = 0xFFFFFFFC;
constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;

std::size_t sectorsFor(std::size_t bytes, std::size_t sectorSize)
{
    return (bytes + sectorSize - 1) / sectorSize;
}

// Directory entries are ordered by name length, then by upper-cased name.
bool entryBefore(const std::u16string& a, const std::u16string& b)
{
    if (a.size() != b.size())
        return a.size() < b.size();
    const auto upper = [](char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c; };
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (upper(a[i]) != upper(b[i]))
            return upper(a[i]) < upper(b[i]);
    }
    return false;
}

struct Entry {
    std::u16string name;
    std::uint8_t type = 0; // 2 stream, 5 root
    std::uint32_t left = kNoStream;
    std::uint32_t right = kNoStream;
    std::uint32_t child = kNoStream;
    std::uint32_t start = kEndOfChain;
    std::uint32_t size = 0;
};

void writeEntry(char* at, const Entry& entry)
{
    std::memset(at, 0, kDirectoryEntrySize);
    if (entry.type == 0) {
        storeU32(at + 68, kNoStream);
        storeU32(at + 72, kNoStream);
        storeU32(at + 76, kNoStream);
        return;
    }
    for (std::size_t i = 0; i < entry.name.size() && i < 31; ++i)
        storeU16(at + 2 * i, static_cast<std::uint16_t>(entry.name[i]));
    storeU16(at + 64, static_cast<std::uint16_t>(2 * (std::min<std::size_t>(entry.name.size(), 31) + 1)));
    at[66] = static_cast<char>(entry.type);
    at[67] = 1; // black: a tree of black nodes is what readers accept from simple writers
    storeU32(at + 68, entry.left);
    storeU32(at + 72, entry.right);
    storeU32(at + 76, entry.child);
    storeU32(at + 116, entry.start);
    storeU32(at + 120, entry.size);
}

} // namespace

void CompoundFileWriter::addStream(std::u16string name, std::string bytes)
{
    m_streams.push_back({ std::move(name), std::move(bytes) });
}

std::string CompoundFileWriter::build() const
{
    // Where each stream goes: the mini stream for small ones, whole sectors otherwise.
    std::size_t miniSectors = 0;
    std::size_t bigSectors = 0;
    for (const Stream& stream : m_streams) {
        if (stream.bytes.size() < kMiniStreamCutoff)
            miniSectors += sectorsFor(stream.bytes.size(), kMiniSectorSize);
        else
            bigSectors += sectorsFor(stream.bytes.size(), kSectorSize);
    }
    const std::size_t miniStreamSectors = sectorsFor(miniSectors * kMiniSectorSize, kSectorSize);
    const std::size_t miniFatSectors = sectorsFor(miniSectors * 4, kSectorSize);
    const std::size_t directorySectors = sectorsFor((m_streams.size() + 1) * kDirectoryEntrySize, kSectorSize);
    const std::size_t dataSectors = bigSectors + miniStreamSectors + miniFatSectors + directorySectors;

    // The allocation table also maps its own sectors and those of the DIFAT.
    std::size_t fatSectors = 0;
    std::size_t difatSectors = 0;
    for (;;) {
        const std::size_t fat = sectorsFor(dataSectors + fatSectors + difatSectors, kEntriesPerSector);
        const std::size_t difat
            = fat > kHeaderDifatEntries ? sectorsFor(fat - kHeaderDifatEntries, kEntriesPerSector - 1) : 0;
        if (fat == fatSectors && difat == difatSectors)
            break;
        fatSectors = fat;
        difatSectors = difat;
    }
    const std::size_t totalSectors = dataSectors + fatSectors + difatSectors;

    std::string file((1 + totalSectors) * kSectorSize, '\0');
    const auto sectorAt = [&](std::size_t sector) { return file.data() + kSectorSize * (1 + sector); };
    std::vector<std::uint32_t> fat(fatSectors * kEntriesPerSector, kFreeSector);
    std::size_t nextSector = 0;
    // Lays count sectors out as one chain and returns its first sector.
    const auto allocate = [&](std::size_t count) -> std::uint32_t {
        if (count == 0)
            return kEndOfChain;
        const std::size_t first = nextSector;
        for (std::size_t i = 0; i < count; ++i)
            fat[first + i] = i + 1 < count ? static_cast<std::uint32_t>(first + i + 1) : kEndOfChain;
        nextSector += count;
        return static_cast<std::uint32_t>(first);
    };

    std::vector<Entry> entries(1);
    entries[0].name = u"Root Entry";
    entries[0].type = 5;

    std::vector<std::uint32_t> miniFat(miniFatSectors * kEntriesPerSector, kFreeSector);
    std::string miniStream;
    miniStream.reserve(miniStreamSectors * kSectorSize);
    for (const Stream& stream : m_streams) {
        Entry entry;
        entry.name = stream.name;
        entry.type = 2;
        entry.size = static_cast<std::uint32_t>(stream.bytes.size());
        if (stream.bytes.empty()) {
            entry.start = kEndOfChain;
        } else if (stream.bytes.size() < kMiniStreamCutoff) {
            const std::size_t first = miniStream.size() / kMiniSectorSize;
            const std::size_t count = sectorsFor(stream.bytes.size(), kMiniSectorSize);
            for (std::size_t i = 0; i < count; ++i)
                miniFat[first + i] = i + 1 < count ? static_cast<std::uint32_t>(first + i + 1) : kEndOfChain;
            entry.start = static_cast<std::uint32_t>(first);
            miniStream += stream.bytes;
            miniStream.resize((first + count) * kMiniSectorSize, '\0');
        } else {
            entry.start = allocate(sectorsFor(stream.bytes.size(), kSectorSize));
            std::memcpy(sectorAt(entry.start), stream.bytes.data(), stream.bytes.size());
        }
        entries.push_back(std::move(entry));
    }

    // The root entry's data is the mini stream.
    entries[0].start = allocate(miniStreamSectors);
    entries[0].size = static_cast<std::uint32_t>(miniStream.size());
    if (!miniStream.empty())
        std::memcpy(sectorAt(entries[0].start), miniStream.data(), miniStream.size());

    const std::uint32_t miniFatStart = allocate(miniFatSectors);
    for (std::size_t i = 0; i < miniFat.size(); ++i)
        storeU32(sectorAt(miniFatStart) + 4 * i, miniFat[i]);

    // The root storage's children form a binary search tree, balanced by halving.
    std::vector<std::uint32_t> order(m_streams.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<std::uint32_t>(i + 1);
    std::sort(order.begin(), order.end(),
        [&](std::uint32_t a, std::uint32_t b) { return entryBefore(entries[a].name, entries[b].name); });
    std::function<std::uint32_t(std::size_t, std::size_t)> tree = [&](std::size_t from, std::size_t to) {
        if (from >= to)
            return kNoStream;
        const std::size_t middle = from + (to - from) / 2;
        Entry& node = entries[order[middle]];
        node.left = tree(from, middle);
        node.right = tree(middle + 1, to);
        return order[middle];
    };
    entries[0].child = tree(0, order.size());

    const std::uint32_t directoryStart = allocate(directorySectors);
    for (std::size_t i = 0; i < directorySectors * (kSectorSize / kDirectoryEntrySize); ++i)
        writeEntry(sectorAt(directoryStart) + i * kDirectoryEntrySize, i < entries.size() ? entries[i] : Entry {});

    // The allocation table's own sectors, then the DIFAT sectors that list those
    // beyond the header's 109.
    const std::size_t fatStart = nextSector;
    for (std::size_t i = 0; i < fatSectors; ++i)
        fat[fatStart + i] = kFatSector;
    nextSector += fatSectors;
    const std::size_t difatStart = nextSector;
    for (std::size_t i = 0; i < difatSectors; ++i)
        fat[difatStart + i] = kDifatSector;
    nextSector += difatSectors;
    for (std::size_t i = 0; i < fat.size(); ++i)
        storeU32(sectorAt(fatStart) + 4 * i, fat[i]);
    for (std::size_t d = 0; d < difatSectors; ++d) {
        char* at = sectorAt(difatStart + d);
        for (std::size_t k = 0; k < kEntriesPerSector - 1; ++k) {
            const std::size_t index = kHeaderDifatEntries + d * (kEntriesPerSector - 1) + k;
            storeU32(at + 4 * k, index < fatSectors ? static_cast<std::uint32_t>(fatStart + index) : kFreeSector);
        }
        storeU32(at + 4 * (kEntriesPerSector - 1),
            d + 1 < difatSectors ? static_cast<std::uint32_t>(difatStart + d + 1) : kEndOfChain);
    }

    char* header = file.data();
    std::memcpy(header, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    storeU16(header + 24, 0x003E); // minor version
    storeU16(header + 26, 0x0003); // major version: 512-byte sectors
    storeU16(header + 28, 0xFFFE); // little-endian
    storeU16(header + 30, 9); // sector size 2^9
    storeU16(header + 32, 6); // mini sector size 2^6
    storeU32(header + 44, static_cast<std::uint32_t>(fatSectors));
    storeU32(header + 48, directoryStart);
    storeU32(header + 56, static_cast<std::uint32_t>(kMiniStreamCutoff));
    storeU32(header + 60, miniFatStart);
    storeU32(header + 64, static_cast<std::uint32_t>(miniFatSectors));
    storeU32(header + 68, difatSectors > 0 ? static_cast<std::uint32_t>(difatStart) : kEndOfChain);
    storeU32(header + 72, static_cast<std::uint32_t>(difatSectors));
    for (std::size_t i = 0; i < kHeaderDifatEntries; ++i)
        storeU32(header + 76 + 4 * i, i < fatSectors ? static_cast<std::uint32_t>(fatStart + i) : kFreeSector);
    return file;
}

} // namespace xls
