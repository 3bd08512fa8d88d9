#include "xls/CsvReader.h"

#include "TempFolder.h"
#include "xls/CSpreadSheet.h"

#include <gtest/gtest.h>

#include <fstream>

using xls::CsvReader;
using xls::FileError;
using xls::SheetRows;
using xls::test::TempFolder;

namespace {

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string utf16le(std::u16string_view text)
{
    std::string bytes;
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

} // namespace

TEST(CsvReader, QuotedFieldsFollowRfc4180)
{
    const std::string text = "phone,addressname\r\n"
                             "13800138000,\"李四, Jr.\"\r\n"
                             "1,\"他说 \"\"你好\"\"\"\r\n"
                             "2,\"第一行\r\n第二行\"\r\n"
                             "3,\"\"\r\n"
                             ",,x\r\n";
    const SheetRows expected {
        { "phone", "addressname" },
        { "13800138000", "李四, Jr." },
        { "1", "他说 \"你好\"" },
        { "2", "第一行\r\n第二行" },
        { "3", "" },
        { "", "", "x" },
    };
    EXPECT_EQ(CsvReader::parse(text), expected);
}

TEST(CsvReader, LineEndsAndLooseQuotes)
{
    // LF alone, a lone CR, no line end after the last line, a blank line.
    EXPECT_EQ(CsvReader::parse("a,b\nc,d\re,f\n\ng"),
        (SheetRows { { "a", "b" }, { "c", "d" }, { "e", "f" }, { "" }, { "g" } }));
    // A quote inside an unquoted field, text after a closing quote, and a quoted
    // field that never closes are kept as spreadsheet programs keep them.
    EXPECT_EQ(CsvReader::parse("5\"6,\"ab\"cd,\"open\nrest"), (SheetRows { { "5\"6", "abcd", "open\nrest" } }));
    EXPECT_TRUE(CsvReader::parse("").empty());
}

TEST(CsvReader, SemicolonSeparatorIsTakenFromTheHeaderLine)
{
    EXPECT_EQ(CsvReader::detectSeparator("phone;addressname\r\n1,2;3"), ';');
    EXPECT_EQ(CsvReader::detectSeparator("phone,addressname\r\n1;2;3;4"), ',');
    // Separators inside a quoted header cell do not count.
    EXPECT_EQ(CsvReader::detectSeparator("\"a;b;c\",d\r\n"), ',');
    EXPECT_EQ(CsvReader::parse("phone;addressname\r\n13800138000;\"Li, Si\";x,y\r\n"),
        (SheetRows { { "phone", "addressname" }, { "13800138000", "Li, Si", "x,y" } }));
}

TEST(CsvReader, FilesInEveryEncodingAWindowsUserSaves)
{
    TempFolder folder;
    const SheetRows expected { { "phone", "addressname" }, { "13800138000", "张三" } };
    const std::string utf8 = "phone,addressname\r\n13800138000,张三\r\n";
    const std::pair<const char*, std::string> files[] = {
        { "plain.csv", utf8 },
        { "bom.csv", "\xEF\xBB\xBF" + utf8 },
        { "gb.csv", "phone,addressname\r\n13800138000,\xD5\xC5\xC8\xFD\r\n" },
        { "utf16.csv", "\xFF\xFE" + utf16le(u"phone,addressname\r\n13800138000,张三\r\n") },
    };
    for (const auto& [name, bytes] : files) {
        const std::string path = folder.file(name);
        writeBytes(path, bytes);
        SheetRows rows;
        EXPECT_TRUE(CsvReader().read(path, "Sheet1", rows)) << name;
        EXPECT_EQ(rows, expected) << name;
    }
}

TEST(CsvReader, BinaryFileNamedCsvIsNotAWorkbook)
{
    TempFolder folder;
    const std::string path = folder.file("picture.csv");
    writeBytes(path, std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    SheetRows rows;
    EXPECT_EQ(CsvReader().read(path, "Sheet1", rows).error(), FileError::NotAWorkbook);
    EXPECT_TRUE(rows.empty());
}
