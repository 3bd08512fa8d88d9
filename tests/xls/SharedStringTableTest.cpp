#include "xls/SharedStringTable.h"

#include "ForeignReader.h"
#include "SheetSamples.h"
#include "TempFolder.h"
#include "xls/BiffRecordStream.h"
#include "xls/TextEncoding.h"

#include <gtest/gtest.h>

using namespace xls;
using namespace xls::test;

namespace {

constexpr std::uint16_t kSst = 0x00FC;
constexpr std::uint16_t kContinue = 0x003C;
constexpr std::uint16_t kExtSst = 0x00FF;

struct Record {
    std::size_t offset; // of its header in the stream
    std::uint16_t type;
    std::string data;
};

unsigned u16At(const std::string& bytes, std::size_t at)
{
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

unsigned u32At(const std::string& bytes, std::size_t at)
{
    return u16At(bytes, at) | u16At(bytes, at + 2) << 16;
}

std::string repeated(const std::string& unit, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += unit;
    return text;
}

std::vector<Record> recordsOf(const std::string& stream)
{
    std::vector<Record> records;
    for (std::size_t at = 0; at + 4 <= stream.size();) {
        const unsigned length = u16At(stream, at + 2);
        records.push_back({ at, static_cast<std::uint16_t>(u16At(stream, at)), stream.substr(at + 4, length) });
        at += 4 + length;
    }
    return records;
}

// Strings whose lengths and kinds move the record boundaries through every
// position: one-byte characters, CJK, pairs of surrogates, and long ones that are
// continued in the next record.
std::vector<std::string> boundaryStrings()
{
    std::vector<std::string> strings;
    for (int k = 0; k < 3000; ++k) {
        const int length = k % 47 + 1;
        std::string text;
        for (int i = 0; i < length; ++i) {
            switch (k % 3) {
            case 0:
                text += static_cast<char>('a' + (k + i) % 26);
                break;
            case 1:
                text += i % 2 ? "张" : "é";
                break;
            default:
                text += i % 3 ? "😀" : "x";
            }
        }
        strings.push_back(text + std::to_string(k));
    }
    strings.push_back(repeated("L", 8000));
    strings.push_back(repeated("长", 4000));
    strings.push_back(repeated("😀", 2000));
    return strings;
}

// Strings that each fill three records or more.
std::vector<std::string> veryLongStrings()
{
    return { repeated("M", 20000), repeated("长", 10000), repeated("😀", 10000) };
}

// Reads the SST and its CONTINUE records the way the format defines them; fails
// the test where the writer broke a rule.
std::vector<std::u16string> decodeSst(const std::vector<Record>& records)
{
    std::vector<std::u16string> strings;
    std::size_t index = 0;
    std::size_t pos = 8;
    const unsigned unique = u32At(records[0].data, 4);
    for (unsigned s = 0; s < unique; ++s) {
        if (pos == records[index].data.size()) {
            ++index;
            pos = 0;
        }
        const std::string* data = &records[index].data;
        EXPECT_LE(pos + 3, data->size()) << "a string header is split";
        unsigned remaining = u16At(*data, pos);
        bool wide = (*data)[pos + 2] & 1;
        pos += 3;
        std::u16string text;
        while (remaining > 0) {
            if (pos == data->size()) {
                ++index;
                EXPECT_EQ(records.at(index).type, kContinue);
                data = &records[index].data;
                wide = (*data)[0] & 1;
                pos = 1;
                if (wide) {
                    const unsigned first = u16At(*data, 1);
                    EXPECT_FALSE(first >= 0xDC00 && first <= 0xDFFF) << "a surrogate pair is split";
                }
            }
            const std::size_t units = std::min<std::size_t>(remaining, (data->size() - pos) / (wide ? 2 : 1));
            for (std::size_t u = 0; u < units; ++u) {
                text += static_cast<char16_t>(wide ? u16At(*data, pos) : static_cast<unsigned char>((*data)[pos]));
                pos += wide ? 2 : 1;
            }
            remaining -= static_cast<unsigned>(units);
            if (units == 0 && pos != data->size()) {
                ADD_FAILURE() << "record ends with half a character";
                return strings;
            }
        }
        strings.push_back(text);
    }
    return strings;
}

} // namespace

TEST(SharedStringTable, EachDistinctStringOnceAndEveryUseCounted)
{
    SharedStringTable table;
    EXPECT_EQ(table.add("张三"), 0u);
    EXPECT_EQ(table.add("李四"), 1u);
    EXPECT_EQ(table.add("张三"), 0u);
    EXPECT_EQ(table.totalCount(), 3u);
    EXPECT_EQ(table.uniqueCount(), 2u);
}

TEST(SharedStringTable, ContinueRecordsKeepTheFormatsRules)
{
    std::vector<std::string> strings = boundaryStrings();
    for (const std::string& text : veryLongStrings())
        strings.push_back(text);
    SharedStringTable table;
    for (const std::string& text : strings)
        table.add(text);
    BiffRecordStream stream;
    stream.add(0x0809, std::string(16, '\0')); // something before, so offsets are not zero-based by luck
    table.write(stream);
    const std::vector<Record> all = recordsOf(stream.bytes());
    const std::vector<Record> records(all.begin() + 1, all.end());

    ASSERT_EQ(records.front().type, kSst);
    ASSERT_EQ(records.back().type, kExtSst);
    EXPECT_GT(records.size(), 20u);
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_LE(records[i].data.size(), BiffRecordStream::kMaxRecordData);
        if (i > 0 && i + 1 < records.size()) {
            EXPECT_EQ(records[i].type, kContinue);
        }
    }
    const std::vector<std::u16string> decoded = decodeSst(records);
    ASSERT_EQ(decoded.size(), strings.size());
    for (std::size_t i = 0; i < strings.size(); ++i)
        EXPECT_EQ(decoded[i], utf8ToUtf16(strings[i])) << "string " << i;

    // The index points at string headers: every bucket's first string, and the
    // record header it lies in.
    const std::string& extSst = records.back().data;
    const unsigned perBucket = u16At(extSst, 0);
    const std::size_t buckets = (extSst.size() - 2) / 8;
    EXPECT_LE(buckets, 128u);
    EXPECT_EQ(buckets, (strings.size() + perBucket - 1) / perBucket);
    for (std::size_t b = 0; b < buckets; ++b) {
        const unsigned at = u32At(extSst, 2 + 8 * b);
        const unsigned inRecord = u16At(extSst, 6 + 8 * b);
        EXPECT_EQ(u16At(stream.bytes(), at), utf8ToUtf16(strings[b * perBucket]).size()) << "bucket " << b;
        const unsigned type = u16At(stream.bytes(), at - inRecord);
        EXPECT_TRUE(type == kSst || type == kContinue) << "bucket " << b;
    }
}

TEST(SharedStringTable, ReadersAgreeAcrossRecordBoundaries)
{
    TempFolder folder;
    SheetRows rows;
    for (const std::string& text : boundaryStrings())
        rows.push_back({ text });
    const std::string path = folder.file("boundaries.xls");
    ASSERT_EQ(writeSheet(path, "Sheet1", rows), "");
    EXPECT_EQ(readAll(CSpreadSheet(path, "Sheet1")), rows);

    // freexl 1.0.6 gives up on a string continued over more than one CONTINUE
    // record (in files of other programs too), so only xlrd reads those.
    for (const std::string& text : veryLongStrings())
        rows.push_back({ text });
    const std::string longPath = folder.file("long strings.xls");
    ASSERT_EQ(writeSheet(longPath, "Sheet1", rows), "");
    const auto xlrd = ForeignReader::xlrd(longPath, "Sheet1");
    ASSERT_EQ(xlrd.exitCode, 0) << xlrd.output.substr(0, 500);
    EXPECT_EQ(xlrd.rows, rows);
}
