#include "xls/XlsReader.h"

#include "SheetSamples.h"
#include "TempFolder.h"
#include "xls/CompoundFileCheck.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>

using namespace xls;
using namespace xls::test;

// The fixtures were saved by a spreadsheet program (fixtures/README.md).

TEST(XlsReader, SheetByNameWithNumbersAsDigits)
{
    CSpreadSheet sheet(fixture("contacts.xls"), "Sheet1");
    ASSERT_TRUE(sheet.isReadable()) << sheet.errorMessage();
    EXPECT_EQ(sheet.GetTotalRows(), 9);
    EXPECT_EQ(sheet.GetTotalColumns(), 3);
    EXPECT_EQ(readAll(sheet), contactsFixtureRows());

    // Sheet names match in any letter case; the other sheet is a sheet of its own.
    EXPECT_EQ(readAll(CSpreadSheet(fixture("contacts.xls"), "SHEET1")), contactsFixtureRows());
    EXPECT_EQ(readAll(CSpreadSheet(fixture("contacts.xls"), "Notes")), (SheetRows { { "这不是通讯录" } }));
}

TEST(XlsReader, MissingSheet)
{
    SheetRows rows;
    const Status status = XlsReader().read(fixture("contacts.xls"), "通讯录", rows);
    EXPECT_EQ(status.error(), FileError::SheetNotFound);
    EXPECT_NE(status.message().find("通讯录"), std::string::npos);
    EXPECT_TRUE(rows.empty());
}

TEST(XlsReader, LongSheetWhoseStringsContinueOverRecords)
{
    CSpreadSheet sheet(fixture("long.xls"), "Sheet1");
    ASSERT_TRUE(sheet.isReadable()) << sheet.errorMessage();
    ASSERT_EQ(sheet.GetTotalRows(), 1201);
    SheetRow row;
    for (long r = 1; r <= sheet.GetTotalRows(); ++r) {
        ASSERT_TRUE(sheet.ReadRow(row, r));
        ASSERT_EQ(row, longFixtureRow(r)) << "row " << r;
    }
}

// Found by fuzzing: freexl converted as many bytes of a directory entry's name as its
// forged length said, reading far past the 64-byte field, and allocated a stream's
// forged size (4 GB) at once; a directory numbered as the end of a chain was read
// from the header.
TEST(XlsReader, ForgedDirectoryEntriesAreRefusedBeforeFreexlReadsThem)
{
    std::ifstream in(fixture("contacts.xls"), std::ios::binary);
    const std::string sound { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    ASSERT_TRUE(directoryFitsFile(sound));

    const auto u32 = [&](std::size_t at) {
        return std::uint32_t(static_cast<unsigned char>(sound[at]))
            | std::uint32_t(static_cast<unsigned char>(sound[at + 1])) << 8
            | std::uint32_t(static_cast<unsigned char>(sound[at + 2])) << 16
            | std::uint32_t(static_cast<unsigned char>(sound[at + 3])) << 24;
    };
    const std::size_t rootEntry = 512 + std::size_t(u32(0x30)) * 512;
    const std::size_t workbookEntry = rootEntry + 128;
    struct Forgery {
        const char* what;
        std::size_t at;
        std::string bytes;
    };
    const Forgery forgeries[] = {
        { "name length 27392", rootEntry + 64, std::string("\x00\x6B", 2) },
        { "odd name length", rootEntry + 64, std::string("\x15\x00", 2) },
        { "stream of 4 GB", workbookEntry + 120, std::string("\xFA\xF1\xFF\xFF", 4) },
        // Sector offsets are computed in 32 bits: these wrap around to the header.
        { "directory at the end-of-chain mark", 0x30, std::string("\xFF\xFF\xFF\xFF", 4) },
        { "allocation sector past the end", 0x4C, std::string("\x00\x00\x80\x00", 4) },
    };
    TempFolder folder;
    for (const Forgery& forgery : forgeries) {
        std::string bytes = sound;
        bytes.replace(forgery.at, forgery.bytes.size(), forgery.bytes);
        EXPECT_FALSE(directoryFitsFile(bytes)) << forgery.what;

        const std::string path = folder.file("forged.xls");
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        SheetRows rows;
        EXPECT_EQ(XlsReader().read(path, "Sheet1", rows).error(), FileError::NotAWorkbook) << forgery.what;
        EXPECT_TRUE(rows.empty());
    }
}
