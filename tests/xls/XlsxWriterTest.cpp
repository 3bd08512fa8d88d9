#include "xls/XlsxWriter.h"

#include "ForeignReader.h"
#include "SheetSamples.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace xls;
using namespace xls::test;

TEST(XlsxWriter, AwkwardCellsReadBackHereAndInOpenpyxl)
{
    TempFolder folder;
    const std::string path = folder.file("contacts.xlsx");
    const SheetRows rows = padded(awkwardRows());
    ASSERT_EQ(writeSheet(path, "通讯录", rows), "");
    EXPECT_EQ(readAll(CSpreadSheet(path, "通讯录")), rows);
    const auto python = ForeignReader::openpyxl(path, "通讯录");
    ASSERT_EQ(python.exitCode, 0) << python.output;
    EXPECT_EQ(python.rows, rows);
}

TEST(XlsxWriter, HundredThousandRowsRoundTrip)
{
    TempFolder folder;
    const std::string path = folder.file("big.xlsx");
    const SheetRows rows = phoneBook(100000);
    ASSERT_EQ(writeSheet(path, "Sheet1", rows), "");
    CSpreadSheet sheet(path, "Sheet1");
    ASSERT_TRUE(sheet.isReadable()) << sheet.errorMessage();
    EXPECT_EQ(readAll(sheet), rows);
}

TEST(XlsxWriter, BadSheetNameWritesNothing)
{
    TempFolder folder;
    const std::string path = folder.file("contacts.xlsx");
    EXPECT_EQ(XlsxWriter().write(path, "a:b", phoneBook(1)).error(), FileError::BadSheetName);
    EXPECT_FALSE(std::filesystem::exists(path));
}
