#include "xls/BiffWorkbook.h"

#include "xls/BiffRecordStream.h"
#include "xls/LittleEndian.h"
#include "xls/SharedStringTable.h"
#include "xls/TextEncoding.h"

#include <algorithm>

namespace xls {

namespace {

enum Record : std::uint16_t {
    kBof = 0x0809,
    kEof = 0x000A,
    kInterfaceHdr = 0x00E1,
    kMms = 0x00C1,
    kInterfaceEnd = 0x00E2,
    kCodePage = 0x0042,
    kWindow1 = 0x003D,
    kDateMode = 0x0022,
    kPrecision = 0x000E,
    kFont = 0x0031,
    kXf = 0x00E0,
    kStyle = 0x0293,
    kBoundSheet = 0x0085,
    kDimensions = 0x0200,
    kLabelSst = 0x00FD,
    kWindow2 = 0x023E,
};

constexpr std::uint16_t kUtf16CodePage = 1200;
constexpr std::uint16_t kCellXf = 15; // the first cell format after the 15 style formats

std::string bof(std::uint16_t substream)
{
    std::string data;
    appendU16(data, 0x0600); // BIFF8
    appendU16(data, substream);
    appendU16(data, 0x0DBB); // build
    appendU16(data, 0x07CC); // year
    appendU32(data, 0); // file history
    appendU32(data, 0x06); // lowest version that can read it
    return data;
}

std::string u16(std::uint16_t value)
{
    std::string data;
    appendU16(data, value);
    return data;
}

// A short Unicode string: 1-byte length, option byte, UTF-16 characters.
void appendShortString(std::string& data, const std::u16string& text)
{
    appendU8(data, static_cast<std::uint8_t>(text.size()));
    appendU8(data, 0x01);
    for (char16_t c : text)
        appendU16(data, static_cast<std::uint16_t>(c));
}

std::string font()
{
    std::string data;
    appendU16(data, 200); // 10 pt in twips
    appendU16(data, 0); // no attributes
    appendU16(data, 0x7FFF); // automatic colour
    appendU16(data, 400); // normal weight
    appendU16(data, 0); // no super- or subscript
    appendU8(data, 0); // no underline
    appendU8(data, 2); // family: swiss
    appendU8(data, 0); // character set: chosen by the reader
    appendU8(data, 0);
    appendShortString(data, u"Arial");
    return data;
}

std::string xf(bool style)
{
    std::string data;
    appendU16(data, 0); // font
    appendU16(data, 0); // number format: General
    appendU16(data, style ? 0xFFF5 : 0x0001); // locked; a style format has no parent
    appendU8(data, 0x20); // bottom aligned
    appendU8(data, 0); // no rotation
    appendU8(data, 0); // no indent
    appendU8(data, style ? 0xF4 : 0x00); // attributes set here rather than by the style
    appendU32(data, 0); // no borders
    appendU32(data, 0);
    appendU16(data, 0x20C0); // system window colours
    return data;
}

std::string window1()
{
    std::string data;
    appendU16(data, 0); // position
    appendU16(data, 0);
    appendU16(data, 0x4000); // size
    appendU16(data, 0x2000);
    appendU16(data, 0x0038); // scroll bars and sheet tabs shown
    appendU16(data, 0); // active sheet
    appendU16(data, 0); // first visible tab
    appendU16(data, 1); // selected sheets
    appendU16(data, 600); // tab bar width ratio
    return data;
}

std::string window2()
{
    std::string data;
    appendU16(data, 0x06B6); // grid, headers, zeros, outline; selected and shown
    appendU16(data, 0); // top row
    appendU16(data, 0); // left column
    appendU32(data, 64); // automatic grid colour
    appendU16(data, 0); // zoom in page-break preview: default
    appendU16(data, 0); // zoom in normal view: default
    appendU32(data, 0);
    return data;
}

} // namespace

std::string BiffWorkbook::build(const std::string& sheetName, const SheetRows& rows)
{
    SharedStringTable strings;
    std::size_t columns = 0;
    std::size_t usedRows = 0;
    std::size_t cells = 0;
    // Index every text first: the globals carry the table before the sheet's cells.
    std::vector<std::uint32_t> cellStrings;
    for (const SheetRow& row : rows) {
        for (const std::string& cell : row) {
            if (!cell.empty())
                ++cells;
        }
    }
    cellStrings.reserve(cells);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            if (!rows[r][c].empty()) {
                cellStrings.push_back(strings.add(rows[r][c]));
                columns = std::max(columns, c + 1);
                usedRows = r + 1;
            }
        }
    }

    BiffRecordStream out;
    out.reserve(cells * 24 + 4096);
    out.add(kBof, bof(0x0005));
    out.add(kInterfaceHdr, u16(kUtf16CodePage));
    out.add(kMms, u16(0));
    out.add(kInterfaceEnd, {});
    out.add(kCodePage, u16(kUtf16CodePage));
    out.add(kWindow1, window1());
    out.add(kDateMode, u16(0));
    out.add(kPrecision, u16(1));
    // Readers expect at least four fonts; index 4 is never used in BIFF.
    for (int i = 0; i < 4; ++i)
        out.add(kFont, font());
    for (int i = 0; i < 15; ++i)
        out.add(kXf, xf(true));
    out.add(kXf, xf(false));
    out.add(kStyle, std::string("\x00\x80\x00\xFF", 4)); // built-in style "Normal" on format 0

    std::string boundSheet;
    appendU32(boundSheet, 0); // the sheet's stream offset, patched below
    appendU8(boundSheet, 0); // visible
    appendU8(boundSheet, 0); // worksheet
    appendShortString(boundSheet, utf8ToUtf16(sheetName));
    const std::size_t sheetOffsetAt = out.size() + 4;
    out.add(kBoundSheet, boundSheet);

    strings.write(out);
    out.add(kEof, {});

    out.patchU32(sheetOffsetAt, static_cast<std::uint32_t>(out.size()));
    out.add(kBof, bof(0x0010));
    std::string dimensions;
    appendU32(dimensions, 0);
    appendU32(dimensions, static_cast<std::uint32_t>(usedRows));
    appendU16(dimensions, 0);
    appendU16(dimensions, static_cast<std::uint16_t>(columns));
    appendU16(dimensions, 0);
    out.add(kDimensions, dimensions);

    std::size_t next = 0;
    std::string label(10, '\0');
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            if (rows[r][c].empty())
                continue;
            storeU16(label.data(), static_cast<std::uint16_t>(r));
            storeU16(label.data() + 2, static_cast<std::uint16_t>(c));
            storeU16(label.data() + 4, kCellXf);
            storeU32(label.data() + 6, cellStrings[next++]);
            out.add(kLabelSst, label);
        }
    }
    out.add(kWindow2, window2());
    out.add(kEof, {});
    return out.take();
}

} // namespace xls
