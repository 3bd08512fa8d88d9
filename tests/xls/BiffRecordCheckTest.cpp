#include "xls/BiffRecordCheck.h"

#include "SheetSamples.h"
#include "TempFolder.h"
#include "xls/BiffRecordStream.h"
#include "xls/CompoundFileCheck.h"
#include "xls/LittleEndian.h"
#include "xls/XlsReader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

using namespace xls;
using namespace xls::test;

namespace {

constexpr std::uint16_t kBof = 0x0809;
constexpr std::uint16_t kFormat = 0x041E;
constexpr std::uint16_t kLabel = 0x0204;
constexpr std::uint16_t kSheet = 0x0085;
constexpr std::uint16_t kSst = 0x00FC;
constexpr std::uint16_t kContinue = 0x003C;
constexpr std::uint16_t kDimension = 0x0200;
constexpr std::uint16_t kNumber = 0x0203;
constexpr std::uint16_t kEof = 0x000A;

std::string bytesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

// A stream of one workbook globals BOF of the given version and the records after it.
struct Stream {
    explicit Stream(std::uint16_t version = 0x0600)
    {
        std::string bof;
        appendU16(bof, version);
        appendU16(bof, 0x0005);
        records.add(kBof, bof);
    }
    Stream& add(std::uint16_t type, std::string_view data)
    {
        records.add(type, data);
        return *this;
    }
    bool fits() const { return checkRecords(records.bytes()).fits; }
    std::uint64_t cells() const { return checkRecords(records.bytes()).cells; }
    BiffRecordStream records;
};

// A character count, an option byte and the characters, as one-byte characters.
std::string unicodeString(std::uint16_t characters, std::string_view text, std::uint8_t options = 0)
{
    std::string out;
    appendU16(out, characters);
    appendU8(out, options);
    return out + std::string(text);
}

std::string withPrefix(std::size_t zeros, const std::string& rest)
{
    return std::string(zeros, '\0') + rest;
}

std::string sstHeader(std::uint32_t strings)
{
    std::string out;
    appendU32(out, strings);
    appendU32(out, strings);
    return out;
}

} // namespace

// Found by fuzzing: freexl copied a FORMAT record's string for its forged length of
// 65,535 two-byte characters, reading 128 KB past the record.
TEST(BiffRecordCheck, StringsLongerThanTheirRecordAreRefused)
{
    EXPECT_TRUE(Stream().add(kFormat, withPrefix(2, unicodeString(8, "yyyy-m-d"))).fits());
    EXPECT_FALSE(Stream().add(kFormat, withPrefix(2, unicodeString(0xFFFF, "yyyy-m-d", 0x01))).fits());
    // Two-byte characters take twice the room the count says.
    EXPECT_FALSE(Stream().add(kFormat, withPrefix(2, unicodeString(8, "yyyy-m-d", 0x01))).fits());
    // A run count announced but cut off by the record's end.
    EXPECT_FALSE(Stream().add(kFormat, withPrefix(2, unicodeString(0, "", 0x08))).fits());

    EXPECT_TRUE(Stream().add(kLabel, withPrefix(6, unicodeString(5, "Alice"))).fits());
    EXPECT_FALSE(Stream().add(kLabel, withPrefix(6, unicodeString(500, "Alice"))).fits());
    std::string byteLabel(6, '\0');
    appendU16(byteLabel, 700);
    EXPECT_FALSE(Stream(0x0500).add(kLabel, byteLabel + "Alice").fits());

    EXPECT_TRUE(Stream().add(kSheet, withPrefix(6, std::string("\x06\x00", 2) + "Sheet1")).fits());
    EXPECT_FALSE(Stream().add(kSheet, withPrefix(6, std::string("\x06\x01", 2) + "Sheet1")).fits());

    // The oldest single-stream files: BIFF3 begins with its own BOF record.
    BiffRecordStream legacy;
    legacy.add(0x0209, std::string(6, '\0'));
    std::string legacyLabel(6, '\0');
    appendU16(legacyLabel, 400);
    legacy.add(kLabel, legacyLabel + "Bob");
    EXPECT_FALSE(checkRecords(legacy.bytes()).fits);

    // Whatever follows a stream that does not begin with a BOF is never read.
    BiffRecordStream headless;
    headless.add(kLabel, withPrefix(6, unicodeString(500, "Alice")));
    EXPECT_TRUE(checkRecords(headless.bytes()).fits);
}

TEST(BiffRecordCheck, SharedStringsMayContinueIntoOneMoreRecordOnly)
{
    // "Alice" split after "Al": the rest follows in a CONTINUE record after a fresh
    // option byte, then a whole second string.
    const std::string split = sstHeader(2) + unicodeString(5, "Al");
    const std::string rest = std::string(1, '\0') + "ice" + unicodeString(3, "Bob");
    EXPECT_TRUE(Stream().add(kSst, split).add(kContinue, rest).fits());

    // The rest is longer than the record that should hold it.
    EXPECT_FALSE(
        Stream().add(kSst, sstHeader(1) + unicodeString(60, "Al")).add(kContinue, std::string(1, '\0') + "ice").fits());
    // The rest arrives as two-byte characters, twice the room.
    EXPECT_FALSE(Stream().add(kSst, split).add(kContinue, std::string(1, '\x01') + "ice").fits());

    // Formatting runs (4 bytes each) that reach past the record are skipped in the
    // next one: 1,000 runs skip far past the next string header.
    std::string rich = sstHeader(2);
    appendU16(rich, 3);
    appendU8(rich, 0x08);
    appendU16(rich, 1000);
    rich += "Bob";
    EXPECT_FALSE(Stream().add(kSst, rich).add(kContinue, unicodeString(3, "Eve")).fits());

    // A CONTINUE after any other record is not part of the table.
    EXPECT_TRUE(Stream()
                    .add(kSst, sstHeader(1) + unicodeString(3, "Bob"))
                    .add(kLabel, withPrefix(6, unicodeString(3, "Eve")))
                    .add(kContinue, unicodeString(900, "x"))
                    .fits());
}

namespace {

std::string dimension(std::uint32_t rows, std::uint16_t columns)
{
    std::string data;
    appendU32(data, 0);
    appendU32(data, rows);
    appendU16(data, 0);
    appendU16(data, columns);
    appendU16(data, 0);
    return data;
}

std::string number(std::uint16_t row, std::uint16_t column)
{
    std::string data;
    appendU16(data, row);
    appendU16(data, column);
    appendU16(data, 0);
    return data + std::string(8, '\0');
}

struct Record {
    std::uint16_t type;
    std::string data;
};

// A workbook stream: the globals with the sheet list, then each sheet's substream at
// the offset its list entry gives.
RecordCheck checkWorkbook(const std::vector<std::vector<Record>>& sheets)
{
    Stream stream;
    std::vector<std::size_t> entries;
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        entries.push_back(stream.records.size());
        stream.add(kSheet, std::string(6, '\0') + std::string("\x01\x00", 2) + "S");
    }
    stream.add(kEof, "");
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        stream.records.patchU32(entries[i] + 4, static_cast<std::uint32_t>(stream.records.size()));
        stream.add(kBof, std::string("\x00\x06\x10\x00", 4));
        for (const Record& record : sheets[i])
            stream.add(record.type, record.data);
        stream.add(kEof, "");
    }
    return checkRecords(stream.records.bytes());
}

} // namespace

// Found by fuzzing: a sheet that declared its size twice, the second time too large
// to allocate, kept the new size with the old cells and freexl walked past them;
// forged sizes of a few bytes made freexl allocate gigabytes; and cells allocated for
// one sheet were lost when freexl sized the next.
TEST(BiffRecordCheck, CellsFreexlWouldAllocateAreCountedAndLostOnesRefused)
{
    // One sheet of the largest size the format holds.
    RecordCheck check = checkWorkbook({ { { kDimension, dimension(65536, 256) } } });
    EXPECT_TRUE(check.fits);
    EXPECT_EQ(check.cells, 65536U * 256);

    // Declared twice: both count, and the first allocation is lost.
    check = checkWorkbook({ { { kDimension, dimension(10, 3) }, { kDimension, dimension(1 << 20, 256) } } });
    EXPECT_FALSE(check.fits);
    EXPECT_EQ(check.cells, 30U + (1U << 20) * 256);

    // A sheet without a size is sized from the farthest cell, plus one each way.
    check = checkWorkbook({ { { kNumber, number(99, 9) } } });
    EXPECT_TRUE(check.fits);
    EXPECT_EQ(check.cells, 101U * 11);
    // Sized after the first pass as the sheet read last, which was declared: the
    // cells allocated for it are lost.
    EXPECT_FALSE(checkWorkbook({ {}, { { kDimension, dimension(10, 3) } } }).fits);
    EXPECT_TRUE(checkWorkbook({ { { kDimension, dimension(10, 3) } }, {} }).fits);
    EXPECT_FALSE(checkWorkbook({ {}, {} }).fits);

    EXPECT_EQ(checkWorkbook({ { { kDimension, dimension(0xFFFFFFFF, 0xFFFF) } } }).cells, 0xFFFFFFFFULL * 0xFFFF);
    // Cut short, the size would be read from whatever the previous record left.
    EXPECT_FALSE(checkWorkbook({ { { kDimension, dimension(10, 3).substr(0, 8) } } }).fits);

    // The oldest versions hold one sheet, sized from its cells when they come first.
    BiffRecordStream legacy;
    legacy.add(0x0209, std::string(6, '\0'));
    legacy.add(kNumber, number(5, 5));
    std::string older(2, '\0');
    appendU16(older, 10);
    appendU16(older, 0);
    appendU16(older, 3);
    legacy.add(kDimension, older);
    EXPECT_FALSE(checkRecords(legacy.bytes()).fits);
    // A cell too short to hold its place would be placed by the previous record's bytes.
    BiffRecordStream shortCell;
    shortCell.add(0x0009, std::string(4, '\0'));
    shortCell.add(0x0002, "");
    EXPECT_FALSE(checkRecords(shortCell.bytes()).fits);
}

TEST(BiffRecordCheck, WorkbooksFromSpreadsheetProgramsAndOurWriterPass)
{
    for (const char* name : { "contacts.xls", "long.xls" }) {
        const std::optional<std::string> stream = workbookStream(bytesOf(fixture(name)));
        ASSERT_TRUE(stream) << name;
        ASSERT_GE(stream->size(), 4U) << name;
        EXPECT_EQ(loadU16(*stream, 0), kBof) << name;
        const RecordCheck records = checkRecords(*stream);
        EXPECT_TRUE(records.fits) << name;
        EXPECT_GT(records.cells, 0U) << name;
        EXPECT_LE(records.cells, 65536U * 256) << name;
    }

    TempFolder folder;
    const std::string written = folder.file("awkward.xls");
    ASSERT_EQ(writeSheet(written, "Sheet1", awkwardRows()), "");
    const std::optional<std::string> stream = workbookStream(bytesOf(written));
    ASSERT_TRUE(stream);
    EXPECT_TRUE(checkRecords(*stream).fits);
}

TEST(BiffRecordCheck, ForgedRecordsInARealWorkbookAreRefusedByTheReader)
{
    const std::string sound = bytesOf(fixture("contacts.xls"));
    const std::optional<std::string> stream = workbookStream(sound);
    ASSERT_TRUE(stream);
    // Where the first record of a type starts in the file, found by its bytes.
    const auto recordInFile = [&](std::uint16_t type) {
        std::size_t at = 0;
        while (at + 4 <= stream->size() && loadU16(*stream, at) != type)
            at += 4 + loadU16(*stream, at + 2);
        return at + 16 < stream->size() ? sound.find(stream->substr(at, 16)) : std::string::npos;
    };
    struct Forgery {
        const char* what;
        std::uint16_t type;
        std::size_t at; // from the record's type field
        std::string bytes;
        FileError error;
    };
    const Forgery forgeries[] = {
        { "format of 65,535 characters", kFormat, 6, "\xFF\xFF", FileError::NotAWorkbook },
        { "sheet of 16,777,216 rows", kDimension, 8, std::string("\x00\x00\x00\x01", 4), FileError::TooLarge },
    };
    TempFolder folder;
    for (const Forgery& forgery : forgeries) {
        const std::size_t inFile = recordInFile(forgery.type);
        ASSERT_NE(inFile, std::string::npos) << forgery.what;
        std::string forged = sound;
        forged.replace(inFile + forgery.at, forgery.bytes.size(), forgery.bytes);

        const std::string path = folder.file("forged.xls");
        std::ofstream(path, std::ios::binary | std::ios::trunc) << forged;
        SheetRows rows;
        EXPECT_EQ(XlsReader().read(path, "Sheet1", rows).error(), forgery.error) << forgery.what;
        EXPECT_TRUE(rows.empty());
    }
}
