#include "xls/XlsWriter.h"

#include "ForeignReader.h"
#include "SheetSamples.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace xls;
using namespace xls::test;

namespace {

std::string bytesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

} // namespace

TEST(XlsWriter, AwkwardCellsReadBackHereAndInXlrd)
{
    TempFolder folder;
    const SheetRows rows = padded(awkwardRows());
    for (const std::string sheetName : { "Sheet1", "通讯录" }) {
        const std::string path = folder.file(sheetName + ".xls");
        ASSERT_EQ(writeSheet(path, sheetName, rows), "");
        EXPECT_EQ(readAll(CSpreadSheet(path, sheetName)), rows) << sheetName;
        const auto xlrd = ForeignReader::xlrd(path, sheetName);
        ASSERT_EQ(xlrd.exitCode, 0) << xlrd.output;
        EXPECT_EQ(xlrd.rows, rows) << sheetName;
    }
}

TEST(XlsWriter, FullSheetOf65536RowsReadsBackInFreexlAndXlrd)
{
    TempFolder folder;
    const std::string path = folder.file("big.xls");
    const SheetRows rows = phoneBook(65535);
    ASSERT_EQ(writeSheet(path, "Sheet1", rows), "");

    CSpreadSheet sheet(path, "Sheet1");
    ASSERT_TRUE(sheet.isReadable()) << sheet.errorMessage();
    EXPECT_EQ(sheet.GetTotalRows(), 65536);
    EXPECT_EQ(readAll(sheet), rows);

    const auto xlrd = ForeignReader::xlrd(path, "Sheet1");
    ASSERT_EQ(xlrd.exitCode, 0) << xlrd.output.substr(0, 500);
    EXPECT_EQ(xlrd.rows, rows);
}

TEST(XlsWriter, EmptySheetIsAWorkbookToo)
{
    TempFolder folder;
    const std::string path = folder.file("empty.xls");
    ASSERT_EQ(writeSheet(path, "Sheet1", {}), "");
    CSpreadSheet sheet(path, "Sheet1");
    EXPECT_TRUE(sheet.isReadable()) << sheet.errorMessage();
    EXPECT_EQ(sheet.GetTotalRows(), 0);
    const auto xlrd = ForeignReader::xlrd(path, "Sheet1");
    EXPECT_EQ(xlrd.exitCode, 0);
    EXPECT_TRUE(xlrd.rows.empty());
}

TEST(XlsWriter, BeyondTheFormatsLimitsNothingIsWritten)
{
    TempFolder folder;
    const std::string path = folder.file("contacts.xls");
    ASSERT_EQ(writeSheet(path, "Sheet1", phoneBook(3)), "");
    const std::string before = bytesOf(path);

    SheetRows wide { SheetRow(257, "x") };
    SheetRows longCell { { std::string(32768, 'x') } };
    const std::pair<SheetRows, FileError> cases[] = {
        { phoneBook(65536), FileError::TooLarge },
        { wide, FileError::TooLarge },
        { longCell, FileError::TooLarge },
    };
    for (const auto& [rows, error] : cases) {
        EXPECT_EQ(XlsWriter().write(path, "Sheet1", rows).error(), error);
        EXPECT_EQ(bytesOf(path), before);
    }
    for (const char* badName : { "", "a/b", "[x]", "'quoted'", "this name is longer than 31 chars" })
        EXPECT_EQ(XlsWriter().write(path, badName, phoneBook(1)).error(), FileError::BadSheetName) << badName;
    EXPECT_EQ(bytesOf(path), before);
    // 32,767 characters is the limit, not beyond it.
    EXPECT_TRUE(XlsWriter().write(path, "Sheet1", { { std::string(32767, 'x') } }));
}
