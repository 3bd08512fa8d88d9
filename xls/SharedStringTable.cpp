#include "xls/SharedStringTable.h"

#include "xls/BiffRecordStream.h"
#include "xls/LittleEndian.h"
#include "xls/TextEncoding.h"

#include <algorithm>

namespace xls {

namespace {

constexpr std::uint16_t kSst = 0x00FC;
constexpr std::uint16_t kContinue = 0x003C;
constexpr std::uint16_t kExtSst = 0x00FF;
constexpr std::size_t kStringHeader = 3; // character count and option byte
constexpr std::size_t kMaxBuckets = 128;

bool fitsLatin1(const std::u16string& text)
{
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x100; });
}

bool isHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

} // namespace

std::uint32_t SharedStringTable::add(std::string_view utf8)
{
    ++m_totalCount;
    const auto [entry, inserted] = m_index.try_emplace(std::string(utf8), uniqueCount());
    if (inserted)
        m_strings.push_back(utf8ToUtf16(utf8));
    return entry->second;
}

void SharedStringTable::write(BiffRecordStream& out) const
{
    const std::size_t maxData = BiffRecordStream::kMaxRecordData;
    const std::size_t perBucket = std::max<std::size_t>(8, (m_strings.size() + kMaxBuckets - 1) / kMaxBuckets);
    std::string extSst;
    appendU16(extSst, static_cast<std::uint16_t>(perBucket));

    std::string record;
    record.reserve(maxData);
    std::uint16_t recordType = kSst;
    const auto flush = [&] {
        out.add(recordType, record);
        record.clear();
        recordType = kContinue;
    };
    appendU32(record, m_totalCount);
    appendU32(record, uniqueCount());

    for (std::size_t i = 0; i < m_strings.size(); ++i) {
        const std::u16string& text = m_strings[i];
        const bool compressed = fitsLatin1(text);
        const std::size_t unitBytes = compressed ? 1 : 2;
        // Room for the header and the first character (both halves of a pair).
        const std::size_t firstUnits = std::min<std::size_t>(text.size(), compressed ? 1 : 2);
        if (maxData - record.size() < kStringHeader + firstUnits * unitBytes)
            flush();
        if (i % perBucket == 0) {
            // Where the string starts: in the stream, and within its record
            // counting the record's 4-byte header.
            appendU32(extSst, static_cast<std::uint32_t>(out.size() + 4 + record.size()));
            appendU16(extSst, static_cast<std::uint16_t>(4 + record.size()));
            appendU16(extSst, 0);
        }
        appendU16(record, static_cast<std::uint16_t>(text.size()));
        appendU8(record, compressed ? 0x00 : 0x01);
        std::size_t done = 0;
        for (;;) {
            std::size_t units = std::min((maxData - record.size()) / unitBytes, text.size() - done);
            if (!compressed && units > 0 && done + units < text.size() && isHighSurrogate(text[done + units - 1]))
                --units;
            for (std::size_t k = done; k < done + units; ++k) {
                if (compressed)
                    appendU8(record, static_cast<std::uint8_t>(text[k]));
                else
                    appendU16(record, static_cast<std::uint16_t>(text[k]));
            }
            done += units;
            if (done == text.size())
                break;
            flush();
            appendU8(record, compressed ? 0x00 : 0x01);
        }
    }
    flush();
    out.add(kExtSst, extSst);
}

} // namespace xls
