#include "xls/CompoundFileWriter.h"

#include "ForeignReader.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace xls;
using namespace xls::test;

namespace {

std::string pattern(std::size_t size, unsigned seed)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 131 + seed * 7 + i / 509) & 0xFF);
    return bytes;
}

void save(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

unsigned u32At(const std::string& bytes, std::size_t at)
{
    unsigned value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// Builds a compound file of the given streams and has xlrd's reader (not ours)
// compare every stream with what went in; returns the file.
std::string checkedByXlrd(const TempFolder& folder, const std::vector<std::pair<std::u16string, std::string>>& streams)
{
    CompoundFileWriter writer;
    std::vector<std::string> pairs;
    for (std::size_t i = 0; i < streams.size(); ++i) {
        writer.addStream(streams[i].first, streams[i].second);
        const std::string expected = folder.file("stream" + std::to_string(i));
        save(expected, streams[i].second);
        std::string name;
        for (char16_t c : streams[i].first)
            name += static_cast<char>(c);
        pairs.push_back(name + "=" + expected);
    }
    const std::string file = writer.build();
    save(folder.file("compound"), file);
    const auto result = ForeignReader::compdoc(folder.file("compound"), pairs);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.output, "same\n");
    return file;
}

} // namespace

TEST(CompoundFileWriter, SmallAndLargeStreamsSideBySide)
{
    TempFolder folder;
    // Below the 4,096-byte cutoff streams live in the mini stream; at it and above
    // in whole sectors. Sizes sit on both sides of the sector edges.
    const std::string file = checkedByXlrd(folder,
        {
            { u"Workbook", pattern(4096, 1) },
            { u"Small", pattern(4095, 2) },
            { u"Tiny", pattern(1, 3) },
            { u"SectorEdge", pattern(512 * 9, 4) },
            { u"MiniEdge", pattern(64 * 3, 5) },
            { u"Odd", pattern(5000, 6) },
        });
    EXPECT_EQ(file.size() % 512, 0u);
    EXPECT_EQ(u32At(file, 64), 1u); // one mini FAT sector
    EXPECT_EQ(u32At(file, 72), 0u); // no DIFAT
}

TEST(CompoundFileWriter, LargeStreamsNeedTheDifat)
{
    TempFolder folder;
    // 9 MB take 18,432 sectors; with the directory and the table itself that needs
    // 146 FAT sectors, 37 more than the header lists.
    const std::string file = checkedByXlrd(folder, { { u"Workbook", pattern(9 * 1024 * 1024, 7) } });
    EXPECT_EQ(u32At(file, 44), 146u);
    EXPECT_EQ(u32At(file, 72), 1u);
}
