#include "xls/CStdioFileEx.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

using xls::FileError;
using xls::test::TempFolder;

namespace {

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string bytesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::vector<std::string> linesOf(const std::string& path)
{
    CStdioFileEx file;
    std::vector<std::string> lines;
    if (!file.Open(path, CStdioFileEx::modeRead | CStdioFileEx::typeText))
        return { "open failed: " + file.status().message() };
    std::string line;
    while (file.ReadString(line))
        lines.push_back(line);
    return lines;
}

const std::string kZhangSanGb = "\xD5\xC5\xC8\xFD";

} // namespace

TEST(CStdioFileEx, ReadsUtf8OrGb18030WithoutLineEnds)
{
    TempFolder folder;
    const std::vector<std::string> expected { "phone,addressname", "13800138000,张三", "13900000000,李四" };
    const std::pair<const char*, std::string> files[] = {
        { "utf8.txt", "phone,addressname\r\n13800138000,张三\r\n13900000000,李四\r\n" },
        { "bom.txt", "\xEF\xBB\xBFphone,addressname\n13800138000,张三\n13900000000,李四" },
        { "gb.txt", "phone,addressname\r\n13800138000," + kZhangSanGb + "\r\n13900000000,\xC0\xEE\xCB\xC4\r\n" },
        // Written by the old export: every line ends in CR CR LF.
        { "crcrlf.txt",
            "phone,addressname\r\r\n13800138000," + kZhangSanGb + "\r\r\n13900000000,\xC0\xEE\xCB\xC4\r\r\n" },
    };
    for (const auto& [name, bytes] : files) {
        writeBytes(folder.file(name), bytes);
        EXPECT_EQ(linesOf(folder.file(name)), expected) << name;
    }
}

TEST(CStdioFileEx, BlankLinesStayAndAnEmptyFileHasNoLines)
{
    TempFolder folder;
    writeBytes(folder.file("blank.txt"), "a\r\n\r\nb\r\n");
    EXPECT_EQ(linesOf(folder.file("blank.txt")), (std::vector<std::string> { "a", "", "b" }));
    writeBytes(folder.file("empty.txt"), "");
    EXPECT_TRUE(linesOf(folder.file("empty.txt")).empty());
}

TEST(CStdioFileEx, OpeningWhatCannotBeReadFails)
{
    TempFolder folder;
    CStdioFileEx file;
    EXPECT_FALSE(file.Open(folder.file("missing.txt"), CStdioFileEx::modeRead));
    EXPECT_EQ(file.status().error(), FileError::NotFound);
    EXPECT_FALSE(file.Open(folder.path().string(), CStdioFileEx::modeRead));
    EXPECT_EQ(file.status().error(), FileError::NotAFile);
    std::string line;
    EXPECT_FALSE(file.ReadString(line));
    EXPECT_FALSE(file.Open(folder.file("no/such/folder.txt"), CStdioFileEx::modeCreate | CStdioFileEx::modeWrite));
    EXPECT_FALSE(file.WriteString("x\n"));
}

TEST(CStdioFileEx, WritesGb18030WithOneCrLfPerLine)
{
    TempFolder folder;
    const std::string path = folder.file("export.txt");
    {
        CStdioFileEx file;
        ASSERT_TRUE(file.Open(path, CStdioFileEx::modeCreate | CStdioFileEx::modeWrite | CStdioFileEx::typeText));
        // Callers write "\r\n" as text-mode programs did; that must not become CR CR LF.
        EXPECT_TRUE(file.WriteString("phone,addressname\r\n"));
        EXPECT_TRUE(file.WriteString("13800138000,张三\n"));
        EXPECT_TRUE(file.WriteString("13900000000,李四\r"));
        EXPECT_TRUE(file.WriteString("\n"));
        EXPECT_TRUE(file.WriteString("cr\ronly"));
        EXPECT_TRUE(file.Close());
    }
    EXPECT_EQ(bytesOf(path),
        "phone,addressname\r\n13800138000," + kZhangSanGb + "\r\n13900000000,\xC0\xEE\xCB\xC4\r\ncr\ronly");
}

TEST(CStdioFileEx, LongExportReadsBackAndReplacesTheOldFile)
{
    TempFolder folder;
    const std::string path = folder.file("export.txt");
    writeBytes(path, "old content that is longer than nothing\r\n");
    std::vector<std::string> written { "phone,addressname" };
    for (int i = 0; i < 20000; ++i)
        written.push_back(std::to_string(13800000000L + i) + ",联系人😀" + std::to_string(i));
    {
        CStdioFileEx file;
        ASSERT_TRUE(file.Open(path, CStdioFileEx::modeCreate | CStdioFileEx::modeWrite));
        for (const std::string& line : written)
            ASSERT_TRUE(file.WriteString(line + "\r\n"));
        // Until closed, the old file is still what others see.
        EXPECT_EQ(bytesOf(path), "old content that is longer than nothing\r\n");
    } // the destructor saves
    EXPECT_EQ(linesOf(path), written);
}
