#include "xls/BiffRecordCheck.h"

#include "xls/LittleEndian.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace xls {

namespace {

namespace record {
constexpr std::uint16_t Bof = 0x0809;
constexpr std::uint16_t Bof2 = 0x0009;
constexpr std::uint16_t Bof3 = 0x0209;
constexpr std::uint16_t Bof4 = 0x0409;
constexpr std::uint16_t Format = 0x041E;
constexpr std::uint16_t Format2 = 0x001E;
constexpr std::uint16_t Label = 0x0204;
constexpr std::uint16_t Label2 = 0x0004;
constexpr std::uint16_t Sheet = 0x0085;
constexpr std::uint16_t Sst = 0x00FC;
constexpr std::uint16_t Continue = 0x003C;
constexpr std::uint16_t Dimension = 0x0200;
constexpr std::uint16_t Dimension2 = 0x0000;
constexpr std::uint16_t Eof = 0x000A;
constexpr std::uint16_t MulRk = 0x00BD;
} // namespace record

// freexl keeps one record at a time in a buffer of this size and stops at a larger one.
constexpr std::size_t kMaxRecord = 8224;
constexpr std::uint32_t kMaxSharedStrings = 1024 * 1024; // freexl gives up above this

bool fits(std::string_view data, std::uint64_t end)
{
    return end <= data.size();
}

// A sheet's declared rows and columns, read from fixed places as freexl reads them
// whether or not the record is long enough; nullopt when it is not.
std::optional<std::uint64_t> declaredCells(std::string_view data, int version)
{
    const bool wideRows = version == 8;
    if (!fits(data, wideRows ? 12 : 8))
        return std::nullopt;
    const std::uint64_t rows = wideRows ? loadU32(data, 4) : loadU16(data, 2);
    return rows * loadU16(data, wideRows ? 10 : 6);
}

// The sheets' sizes as freexl keeps them. Each sheet in the workbook's sheet list
// starts at a stream offset; the substream that begins there (a BOF right after an
// EOF) sizes it with its DIMENSION record. A sheet without one is sized after the
// first pass, but freexl then allocates for the sheet it read last instead, once for
// every such sheet, and loses the cells it had allocated before; a second DIMENSION
// in one sheet loses them too. Those are refused as damaged, with the cells they
// cost counted all the same.
class SheetSizes {
public:
    explicit SheetSizes(bool singleSheetVersion)
        : m_singleSheetVersion(singleSheetVersion)
    {
        if (m_singleSheetVersion)
            m_sheets.push_back({ 0, 0 });
    }

    void listed(std::uint32_t offset) { m_sheets.push_back({ offset, 0 }); }
    void substreamAt(std::size_t offset)
    {
        m_active.reset();
        for (std::size_t i = 0; i < m_sheets.size() && !m_active; ++i) {
            if (m_sheets[i].offset == offset)
                m_active = i;
        }
    }
    void declared(std::uint64_t cells)
    {
        m_cells += cells;
        m_largest = std::max(m_largest, cells);
        if (m_singleSheetVersion && (m_cellSeen || m_sheets[0].declarations > 0))
            m_lost = true; // the sheet sized from its cells, or declared before, is sized again
        if (m_singleSheetVersion)
            m_active = 0;
        if (m_active && ++m_sheets[*m_active].declarations > 1)
            m_lost = true;
    }
    void cellAt(std::uint16_t row, std::uint16_t column)
    {
        m_cellSeen = true;
        m_lastRow = std::max(m_lastRow, row);
        m_lastColumn = std::max(m_lastColumn, column);
    }

    // Cells allocated are lost; the workbook is damaged.
    bool losesCells() const
    {
        if (m_singleSheetVersion || !m_active)
            return m_lost; // without a sheet read last, freexl stops before sizing any
        const auto undeclared = static_cast<std::size_t>(std::count_if(
            m_sheets.begin(), m_sheets.end(), [](const Sheet& sheet) { return sheet.declarations == 0; }));
        return m_lost || undeclared > 1 || (undeclared == 1 && m_sheets[*m_active].declarations > 0);
    }

    // The most cells freexl allocates: every declaration, and for each sheet that
    // declares none the size of the largest declaration or as far as any cell reaches
    // (counted from a cell's index plus one, and freexl adds one more to each).
    std::uint64_t cells() const
    {
        const std::uint64_t reached = (std::uint64_t(m_lastRow) + 2) * (std::uint64_t(m_lastColumn) + 2);
        const auto undeclared = static_cast<std::uint64_t>(std::count_if(
            m_sheets.begin(), m_sheets.end(), [](const Sheet& sheet) { return sheet.declarations == 0; }));
        return m_cells + std::max<std::uint64_t>(undeclared, m_singleSheetVersion) * std::max(m_largest, reached);
    }

private:
    struct Sheet {
        std::size_t offset;
        int declarations;
    };

    bool m_singleSheetVersion;
    std::vector<Sheet> m_sheets;
    std::optional<std::size_t> m_active;
    std::uint64_t m_cells = 0;
    std::uint64_t m_largest = 0;
    bool m_cellSeen = false;
    bool m_lost = false;
    std::uint16_t m_lastRow = 0;
    std::uint16_t m_lastColumn = 0;
};

bool isCell(std::uint16_t type)
{
    switch (type) {
    case 0x0002: // INTEGER, NUMBER, LABEL and BOOLERR of the oldest version
    case 0x0003:
    case record::Label2:
    case 0x0005:
    case 0x0203: // NUMBER
    case record::Label:
    case 0x0205: // BOOLERR
    case 0x027E: // RK
    case record::MulRk:
    case 0x00FD: // LABELSST
        return true;
    default:
        return false;
    }
}

// A string with an option byte: bit 0 for two bytes a character, bit 3 for a run
// count and bit 2 for an extension size between the option byte and the characters.
struct UnicodeHeader {
    std::size_t size = 1;
    std::size_t bytesPerChar = 1;
    std::uint64_t trailing = 0; // formatting runs and extension after the characters
};

std::optional<UnicodeHeader> unicodeHeader(std::string_view data, std::uint64_t at)
{
    if (!fits(data, at + 1))
        return std::nullopt;
    const auto options = static_cast<std::uint8_t>(data[at]);
    UnicodeHeader header;
    header.bytesPerChar = options & 0x01 ? 2 : 1;
    if (options & 0x08) {
        if (!fits(data, at + header.size + 2))
            return std::nullopt;
        header.trailing += std::uint64_t(loadU16(data, at + header.size)) * 4;
        header.size += 2;
    }
    if (options & 0x04) {
        if (!fits(data, at + header.size + 4))
            return std::nullopt;
        header.trailing += loadU32(data, at + header.size);
        header.size += 4;
    }
    return header;
}

// A character count at lengthAt and the option byte at optionsAt, characters after.
bool unicodeStringFits(std::string_view data, std::size_t lengthAt, std::size_t optionsAt)
{
    if (!fits(data, lengthAt + 2))
        return false;
    const std::optional<UnicodeHeader> header = unicodeHeader(data, optionsAt);
    return header
        && fits(data, optionsAt + header->size + std::uint64_t(loadU16(data, lengthAt)) * header->bytesPerChar);
}

// A byte count at lengthAt (one or two bytes wide) and that many bytes from textAt.
bool byteStringFits(std::string_view data, std::size_t lengthAt, std::size_t lengthWidth, std::size_t textAt)
{
    if (!fits(data, lengthAt + lengthWidth))
        return false;
    const std::size_t length = lengthWidth == 1 ? static_cast<std::uint8_t>(data[lengthAt]) : loadU16(data, lengthAt);
    return fits(data, textAt + length);
}

// The shared string table as freexl walks it: the SST record and every CONTINUE
// record after it, one string at a time. A string whose characters do not fit its
// record is finished in the next record after a fresh option byte, and data skipped
// past a record's end is skipped at the start of the next one.
class SharedStringsCheck {
public:
    // False when freexl would read outside data.
    bool add(std::string_view data)
    {
        if (m_stopped)
            return true;
        std::uint64_t at = 0;
        if (!m_started) {
            if (!fits(data, 8))
                return false;
            m_count = loadU32(data, 4);
            if (m_count > kMaxSharedStrings) {
                m_stopped = true;
                return true;
            }
            m_started = true;
            at = 8;
        } else if (m_pendingLength > 0) {
            if (!fits(data, 1))
                return false;
            const std::size_t bytesPerChar = data[0] & 0x01 ? 2 : 1;
            at = 1 + std::uint64_t(m_pendingLength - m_pendingDone) * bytesPerChar;
            if (!fits(data, at))
                return false;
            // What this string's formatting runs leave past the record's end is not
            // skipped in the next one: freexl forgets it, and so does this walk.
            m_trailing = 0;
            m_pendingLength = 0;
            m_pendingDone = 0;
            m_skip = 0;
            ++m_index;
        }
        for (; m_index < m_count; ++m_index) {
            if (at >= data.size())
                return true;
            at += m_skip;
            if (!fits(data, at + 2))
                return false;
            const std::uint16_t length = loadU16(data, at);
            const std::optional<UnicodeHeader> header = unicodeHeader(data, at + 2);
            if (!header)
                return false;
            at += 2 + header->size;
            const std::uint64_t available = data.size() - at;
            const std::uint64_t required = std::uint64_t(length) * header->bytesPerChar;
            if (required > available) {
                m_pendingLength = length;
                m_pendingDone = static_cast<std::uint32_t>(available / header->bytesPerChar);
                m_trailing = header->trailing;
                m_skip = 0;
                return true;
            }
            if (length == 0) {
                m_stopped = true; // freexl takes it for a forged file and stops
                return true;
            }
            at += required + header->trailing;
            m_skip = at >= data.size() ? at - data.size() : 0;
            m_trailing = 0;
        }
        return true;
    }

private:
    bool m_started = false;
    bool m_stopped = false;
    std::uint32_t m_count = 0;
    std::uint32_t m_index = 0;
    std::uint32_t m_pendingLength = 0; // characters of a string split over records
    std::uint32_t m_pendingDone = 0;
    std::uint64_t m_trailing = 0;
    std::uint64_t m_skip = 0;
};

} // namespace

RecordCheck checkRecords(std::string_view stream)
{
    int version = 0;
    std::uint16_t previousType = 0;
    SharedStringsCheck sharedStrings;
    std::optional<SheetSizes> sheets;
    bool fit = true;
    for (std::size_t at = 0; fit && at + 4 <= stream.size();) {
        const std::size_t offset = at;
        const std::uint16_t type = loadU16(stream, at);
        const std::size_t size = loadU16(stream, at + 2);
        if (size > kMaxRecord || at + 4 + size > stream.size())
            break; // freexl stops reading here
        const std::string_view data = stream.substr(at + 4, size);
        at += 4 + size;

        if (version == 0) {
            if (type == record::Bof && fits(data, 2))
                version = loadU16(data, 0) == 0x0600 ? 8 : loadU16(data, 0) == 0x0500 ? 5 : -1;
            else
                version = type == record::Bof2 ? 2 : type == record::Bof3 ? 3 : type == record::Bof4 ? 4 : -1;
            if (version < 0)
                break; // freexl refuses a stream that does not begin so
            sheets.emplace(version < 5);
            continue;
        }

        if (type == record::Dimension || (type == record::Dimension2 && version == 2)) {
            const std::optional<std::uint64_t> cells = declaredCells(data, version);
            fit = cells.has_value();
            if (cells)
                sheets->declared(*cells);
        } else if (isCell(type)) {
            // freexl takes a cell's place from whatever the buffer holds.
            fit = fits(data, 4);
            if (fit)
                sheets->cellAt(loadU16(data, 0), loadU16(data, 2));
            if (fit && type == record::MulRk && fits(data, 6))
                sheets->cellAt(loadU16(data, 0), loadU16(data, size - 2));
        }
        if (type == record::Bof && previousType == record::Eof)
            sheets->substreamAt(offset);

        if (!fit)
            break;
        if (version >= 5) {
            const bool unicode = version == 8;
            if (type == record::Format)
                fit = unicode ? unicodeStringFits(data, 2, 4) : byteStringFits(data, 3, 1, 3);
            else if (type == record::Label)
                fit = unicode ? unicodeStringFits(data, 6, 8) : byteStringFits(data, 6, 2, 8);
            else if (type == record::Sheet) {
                fit = unicode ? fits(data, 8)
                        && fits(data, 8 + std::size_t(static_cast<std::uint8_t>(data[6])) * (data[7] ? 2 : 1))
                              : byteStringFits(data, 6, 1, 7);
                if (fit)
                    sheets->listed(loadU32(data, 0));
            } else if (type == record::Sst || (type == record::Continue && previousType == record::Sst))
                fit = sharedStrings.add(data);
        } else {
            if (type == record::Format2)
                fit = byteStringFits(data, 0, 1, 1);
            else if (type == record::Format)
                fit = byteStringFits(data, 2, 1, 3);
            else if (type == record::Label2)
                fit = byteStringFits(data, 7, 1, 8);
            else if (type == record::Label)
                fit = byteStringFits(data, 6, 2, 8);
        }
        if (type != record::Continue)
            previousType = type;
    }
    if (!sheets)
        return { fit, 0 };
    return { fit && !sheets->losesCells(), sheets->cells() };
}

} // namespace xls
