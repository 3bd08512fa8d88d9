#include "xls/TextEncoding.h"

#include <gtest/gtest.h>

using namespace xls;

namespace {

// "张三" in GB18030 (and GBK), and "😀" in GB18030's four-byte form.
const std::string kZhangSanGb = "\xD5\xC5\xC8\xFD";
const std::string kGrinningFaceGb = "\x94\x39\xFC\x36";

} // namespace

TEST(TextEncoding, Utf8ValidityFollowsTheStandard)
{
    EXPECT_TRUE(isValidUtf8(""));
    EXPECT_TRUE(isValidUtf8("phone,张三 Ünï 😀 𠀀"));
    EXPECT_FALSE(isValidUtf8("\xC0\xAF")); // overlong "/"
    EXPECT_FALSE(isValidUtf8("\xE0\x80\xAF")); // overlong, three bytes
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80")); // a surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80")); // beyond U+10FFFF
    EXPECT_FALSE(isValidUtf8("\xE5\xBC")); // cut short
    EXPECT_FALSE(isValidUtf8("a\x80z")); // a lone continuation byte
    EXPECT_FALSE(isValidUtf8(kZhangSanGb));
}

TEST(TextEncoding, IllFormedBytesBecomeReplacementCharacters)
{
    EXPECT_EQ(sanitizeUtf8("a\xFFz"), "a\xEF\xBF\xBDz");
    EXPECT_EQ(sanitizeUtf8("张\xE5\xBC"), "张\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(utf8ToUtf16("a\xFF"), std::u16string(u"a\uFFFD"));
    EXPECT_EQ(utf8ToUtf16("张😀"), std::u16string(u"张\xD83D\xDE00"));
}

TEST(TextEncoding, DecodingPicksTheEncodingFromTheBytes)
{
    EXPECT_EQ(decodeText("\xEF\xBB\xBF张三"), "张三");
    EXPECT_EQ(decodeText("张三"), "张三");
    EXPECT_EQ(decodeText("13800138000," + kZhangSanGb), "13800138000,张三");
    EXPECT_EQ(decodeText(kGrinningFaceGb), "😀");
    EXPECT_EQ(decodeText(std::string("\xFF\xFE\x20\x5F\x09\x4E", 6)), "张三"); // UTF-16LE with its mark
    EXPECT_EQ(decodeText(std::string("\xFE\xFF\x5F\x20\x4E\x09", 6)), "张三"); // UTF-16BE with its mark
    // Bytes that are neither: the readable part survives.
    EXPECT_EQ(decodeText(kZhangSanGb + "\xFF" + "ok"), "张三\xEF\xBF\xBDok");
}

TEST(TextEncoding, Gb18030HoldsEveryCharacter)
{
    EXPECT_EQ(utf8ToGb18030("13800138000,张三"), "13800138000," + kZhangSanGb);
    const std::string text = "张三 Ünïcödé 😀 𠀀 ₠";
    EXPECT_EQ(decodeText(utf8ToGb18030(text)), text);
}
