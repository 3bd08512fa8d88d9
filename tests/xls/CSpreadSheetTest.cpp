#include "xls/CSpreadSheet.h"

#include "SheetSamples.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace xls;
using namespace xls::test;

namespace {

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace

TEST(CSpreadSheet, WhatCannotBeReadFailsWithItsReason)
{
    TempFolder folder;
    writeBytes(folder.file("empty.xls"), "");
    writeBytes(folder.file("text.xls"), "phone,addressname\r\n13800138000,张三\r\n");
    writeBytes(folder.file("text.xlsx"), "phone,addressname\r\n");
    writeBytes(folder.file("zip.xlsx"), std::string("PK\x05\x06", 4) + std::string(18, '\0')); // an empty zip
    std::filesystem::create_directory(folder.file("folder.xls"));
    const std::pair<std::string, FileError> cases[] = {
        { folder.file("missing.xls"), FileError::NotFound },
        { folder.file("missing.xlsx"), FileError::NotFound },
        { folder.file("missing.csv"), FileError::NotFound },
        { folder.file("no/folder.xls"), FileError::NotFound },
        { folder.file("empty.xls"), FileError::EmptyFile },
        { folder.file("text.xls"), FileError::NotAWorkbook },
        { folder.file("text.xlsx"), FileError::NotAWorkbook },
        { folder.file("zip.xlsx"), FileError::NotAWorkbook },
        { folder.file("folder.xls"), FileError::NotAFile },
        { fixture("README.md"), FileError::UnknownFormat },
        { "", FileError::UnknownFormat },
    };
    for (const auto& [path, error] : cases) {
        CSpreadSheet sheet(path, "Sheet1");
        EXPECT_EQ(sheet.error(), error) << path << ": " << sheet.errorMessage();
        EXPECT_FALSE(sheet.isReadable());
        EXPECT_FALSE(sheet.errorMessage().empty());
        EXPECT_EQ(sheet.GetTotalRows(), 0);
        std::vector<std::string> cells { "stale" };
        EXPECT_FALSE(sheet.ReadRow(cells, 1));
        EXPECT_TRUE(cells.empty());
    }
}

TEST(CSpreadSheet, UnreadableFileIsAccessDenied)
{
    TempFolder folder;
    const std::string path = folder.file("locked.xls");
    std::filesystem::copy_file(fixture("contacts.xls"), path);
    ::chmod(path.c_str(), 0);
    ::chmod(folder.path().c_str(), 0755);
    // Root reads any file, so the child gives root up before it tries.
    EXPECT_EXIT(
        {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                std::_Exit(2);
            CSpreadSheet sheet(path, "Sheet1");
            std::_Exit(sheet.error() == FileError::AccessDenied ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST(CSpreadSheet, FormatFollowsTheEndingInAnyCase)
{
    TempFolder folder;
    const SheetRows rows { { "phone", "addressname" }, { "13800138000", "张三" } };
    for (const char* name : { "upper.XLS", "mixed.Xlsx", "shout.CSV" }) {
        ASSERT_EQ(writeSheet(folder.file(name), "Sheet1", rows), "") << name;
        EXPECT_EQ(readAll(CSpreadSheet(folder.file(name), "Sheet1")), rows) << name;
    }
    EXPECT_EQ(CSpreadSheet(folder.file("upper.XLS"), "x").format(), SheetFormat::Xls);
    // Each file is what its ending says, not a CSV in disguise.
    EXPECT_EQ(CSpreadSheet(folder.file("upper.XLS"), "Sheet1").error(), FileError::None);
    std::filesystem::rename(folder.file("upper.XLS"), folder.file("upper.csv"));
    EXPECT_EQ(CSpreadSheet(folder.file("upper.csv"), "Sheet1").error(), FileError::NotAWorkbook);
}

TEST(CSpreadSheet, RowsCountFromTheHeaderAndReadAsWideAsTheSheet)
{
    TempFolder folder;
    const std::string path = folder.file("contacts.xls");
    ASSERT_EQ(writeSheet(path, "Sheet1", { { "phone", "addressname" } }), "");
    CSpreadSheet headerOnly(path, "Sheet1");
    EXPECT_EQ(headerOnly.GetTotalRows(), 1);

    ASSERT_EQ(
        writeSheet(path, "Sheet1", { { "phone", "addressname" }, { "13800138000" }, { "", "", "x", "" }, {}, {} }), "");
    CSpreadSheet sheet(path, "Sheet1");
    EXPECT_EQ(sheet.GetTotalRows(), 3); // empty rows at the end do not count
    EXPECT_EQ(sheet.GetTotalColumns(), 3);
    std::vector<std::string> cells;
    EXPECT_TRUE(sheet.ReadRow(cells, 2));
    EXPECT_EQ(cells, (std::vector<std::string> { "13800138000", "", "" }));
    EXPECT_FALSE(sheet.ReadRow(cells, 0));
    EXPECT_FALSE(sheet.ReadRow(cells, 4));
    EXPECT_TRUE(cells.empty());
}

TEST(CSpreadSheet, AddingRowsAppendsInsertsReplacesAndFillsGaps)
{
    TempFolder folder;
    CSpreadSheet sheet(folder.file("new.xlsx"), "Sheet1");
    EXPECT_EQ(sheet.error(), FileError::NotFound);
    EXPECT_TRUE(sheet.BeginTransaction());
    EXPECT_EQ(sheet.error(), FileError::None);
    EXPECT_TRUE(sheet.AddHeaders({ "phone", "name" }));
    EXPECT_FALSE(sheet.AddHeaders({ "other" })); // the header row is there already
    EXPECT_TRUE(sheet.AddHeaders({ "phone", "addressname" }, true));
    EXPECT_TRUE(sheet.AddRow({ "1", "a" }));
    EXPECT_TRUE(sheet.AddRow({ "3", "c" }, 0, false));
    EXPECT_TRUE(sheet.AddRow({ "2", "b" }, 3)); // before row 3
    EXPECT_TRUE(sheet.AddRow({ "1", "A" }, 2, true));
    EXPECT_TRUE(sheet.AddRow({ "6", "f" }, 6)); // row 5 stays empty
    EXPECT_FALSE(sheet.AddRow({ "x" }, -1));
    const SheetRows expected {
        { "phone", "addressname" },
        { "1", "A" },
        { "2", "b" },
        { "3", "c" },
        { "", "" },
        { "6", "f" },
    };
    EXPECT_EQ(readAll(sheet), expected);
    ASSERT_TRUE(sheet.Commit()) << sheet.errorMessage();
    EXPECT_EQ(readAll(CSpreadSheet(folder.file("new.xlsx"), "Sheet1")), expected);
}

TEST(CSpreadSheet, ExportReplacesAnExistingFileWhole)
{
    TempFolder folder;
    const std::string path = folder.file("contacts.xls");
    ASSERT_EQ(writeSheet(path, "Sheet1", phoneBook(50)), "");
    // The export starts afresh: none of the 50 old rows survive, the header appears once.
    CSpreadSheet sheet(path, "Sheet1", true);
    ASSERT_EQ(sheet.GetTotalRows(), 51);
    sheet.BeginTransaction();
    sheet.AddHeaders({ "phone", "addressname" }, false);
    sheet.AddRow({ "13800138000", "张三" }, 0, false);
    ASSERT_TRUE(sheet.Commit()) << sheet.errorMessage();
    EXPECT_EQ(
        readAll(CSpreadSheet(path, "Sheet1")), (SheetRows { { "phone", "addressname" }, { "13800138000", "张三" } }));

    // A file that is not a workbook is replaced as well (the user chose it).
    writeBytes(folder.file("junk.xls"), "junk");
    CSpreadSheet overJunk(folder.file("junk.xls"), "Sheet1");
    EXPECT_EQ(overJunk.error(), FileError::NotAWorkbook);
    overJunk.BeginTransaction();
    overJunk.AddHeaders({ "phone", "addressname" });
    EXPECT_TRUE(overJunk.Commit()) << overJunk.errorMessage();
    EXPECT_EQ(CSpreadSheet(folder.file("junk.xls"), "Sheet1").GetTotalRows(), 1);
}

TEST(CSpreadSheet, CommitFailuresAreReported)
{
    TempFolder folder;
    CSpreadSheet noFolder(folder.file("no/such/folder.xls"), "Sheet1");
    noFolder.BeginTransaction();
    noFolder.AddHeaders({ "phone" });
    EXPECT_FALSE(noFolder.Commit());
    EXPECT_EQ(noFolder.error(), FileError::NotFound);

    CSpreadSheet noCreate(folder.file("absent.xls"), "Sheet1", false);
    noCreate.AddHeaders({ "phone" });
    EXPECT_FALSE(noCreate.Commit());
    EXPECT_FALSE(std::filesystem::exists(folder.file("absent.xls")));

    std::filesystem::create_directory(folder.file("folder.csv"));
    CSpreadSheet overFolder(folder.file("folder.csv"), "Sheet1");
    overFolder.AddHeaders({ "phone" });
    EXPECT_FALSE(overFolder.Commit());
    EXPECT_EQ(overFolder.error(), FileError::NotAFile);

    CSpreadSheet unknown(folder.file("contacts.ods"), "Sheet1");
    unknown.AddHeaders({ "phone" });
    EXPECT_FALSE(unknown.Commit());
    EXPECT_EQ(unknown.error(), FileError::UnknownFormat);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path() / "folder.csv"));
    // No temporary files are left behind by the failures.
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path()))
        ++entries;
    EXPECT_EQ(entries, 1u);
}
