#include "xls/XlsxReader.h"

#include "SheetSamples.h"

#include <gtest/gtest.h>

using namespace xls;
using namespace xls::test;

TEST(XlsxReader, SheetByNameWithSharedAndRichStringsAndNumbersAsDigits)
{
    CSpreadSheet sheet(fixture("contacts.xlsx"), "Sheet1");
    ASSERT_TRUE(sheet.isReadable()) << sheet.errorMessage();
    EXPECT_EQ(sheet.GetTotalRows(), 9);
    EXPECT_EQ(readAll(sheet), contactsFixtureRows());
    EXPECT_EQ(readAll(CSpreadSheet(fixture("contacts.xlsx"), "notes")), (SheetRows { { "这不是通讯录" } }));

    SheetRows rows;
    EXPECT_EQ(XlsxReader().read(fixture("contacts.xlsx"), "Sheet2", rows).error(), FileError::SheetNotFound);
}

TEST(XlsxReader, MinimalProducersForm)
{
    // Inline strings, cells without references, a gap of one row, a sheet behind an
    // absolute relationship target, phonetic runs and _xHHHH_ escapes.
    const SheetRows expected {
        { "phone", "addressname", "", "", "" },
        { "13800138001", "钱七 ", "A\rB _x0041_", "", "" },
        { "13700001111", "孙八", "TRUE", "公式", "#N/A" },
        { "", "", "", "", "" },
        { "", "", "", "远处", "" },
    };
    EXPECT_EQ(readAll(CSpreadSheet(fixture("inline.xlsx"), "Sheet1")), expected);
    EXPECT_EQ(readAll(CSpreadSheet(fixture("inline.xlsx"), "Other")), (SheetRows { { "别的表" } }));
}

TEST(XlsxReader, LongSheet)
{
    CSpreadSheet sheet(fixture("long.xlsx"), "Sheet1");
    ASSERT_EQ(sheet.GetTotalRows(), 1201) << sheet.errorMessage();
    SheetRow row;
    for (long r = 1; r <= sheet.GetTotalRows(); ++r) {
        ASSERT_TRUE(sheet.ReadRow(row, r));
        ASSERT_EQ(row, longFixtureRow(r)) << "row " << r;
    }
}

TEST(XlsxReader, CellReferencesAndEscapes)
{
    EXPECT_EQ(XlsxReader::columnOfReference("A1"), 0);
    EXPECT_EQ(XlsxReader::columnOfReference("Z9"), 25);
    EXPECT_EQ(XlsxReader::columnOfReference("AA10"), 26);
    EXPECT_EQ(XlsxReader::columnOfReference("ab3"), 27);
    EXPECT_EQ(XlsxReader::columnOfReference("XFD1048576"), 16383);
    EXPECT_EQ(XlsxReader::columnOfReference("12"), -1);
    EXPECT_EQ(XlsxReader::columnOfReference("ABCD1"), -1);

    EXPECT_EQ(XlsxReader::unescape("a_x000D__x000A_b"), "a\r\nb");
    EXPECT_EQ(XlsxReader::unescape("_x005F_x0041_"), "_x0041_");
    EXPECT_EQ(XlsxReader::unescape("_x4E2D_"), "中");
    EXPECT_EQ(XlsxReader::unescape("_x12_ and _xZZZZ_ stay"), "_x12_ and _xZZZZ_ stay");
}
