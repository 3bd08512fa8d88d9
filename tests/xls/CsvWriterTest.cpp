#include "xls/CsvWriter.h"

#include "ForeignReader.h"
#include "SheetSamples.h"
#include "TempFolder.h"
#include "xls/CSpreadSheet.h"

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

TEST(CsvWriter, Utf8WithMarkCrLfAndQuotesOnlyWhereNeeded)
{
    const std::string text = CsvWriter::format({ { "phone", "addressname" }, { "13800138000", "李四, Jr." },
        { "1", "他说 \"你好\"" }, { "2", "a;b" }, { "3", "两\n行" }, { "", "" } });
    EXPECT_EQ(text,
        "\xEF\xBB\xBF"
        "phone,addressname\r\n"
        "13800138000,\"李四, Jr.\"\r\n"
        "1,\"他说 \"\"你好\"\"\"\r\n"
        "2,\"a;b\"\r\n"
        "3,\"两\n行\"\r\n"
        ",\r\n");
}

TEST(CsvWriter, WhatWeWriteReadsBackHereAndInPythonsCsvModule)
{
    TempFolder folder;
    const std::string path = folder.file("contacts.csv");
    const SheetRows rows = padded(awkwardRows());
    ASSERT_EQ(writeSheet(path, "Sheet1", rows), "");

    EXPECT_EQ(readAll(CSpreadSheet(path, "Sheet1")), rows);

    const auto python = ForeignReader::csv(path);
    ASSERT_EQ(python.exitCode, 0) << python.output;
    EXPECT_EQ(padded(python.rows), rows);
}

TEST(CsvWriter, HundredThousandRowsRoundTrip)
{
    TempFolder folder;
    const std::string path = folder.file("big.csv");
    const SheetRows rows = phoneBook(100000);
    ASSERT_EQ(writeSheet(path, "Sheet1", rows), "");
    CSpreadSheet sheet(path, "Sheet1");
    ASSERT_TRUE(sheet.isReadable()) << sheet.errorMessage();
    EXPECT_EQ(readAll(sheet), rows);
    const std::string bytes = bytesOf(path);
    EXPECT_EQ(bytes.find("\n"), bytes.find("\r\n") + 1);
}
