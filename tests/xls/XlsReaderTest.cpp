#include "xls/XlsReader.h"

#include "SheetSamples.h"

#include <gtest/gtest.h>

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
