#include "BuildConfig.h"
#include "CodePageGuard.h"
#include "TimeStamp.h"
#include "cvsrv/CUtility.h"
#include "cvsrv/ServiceConfig.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

using Pieces = std::vector<std::string>;

Pieces split(const std::string& text, const std::string& separator, Pieces start = {})
{
    CUtility().Split(text, separator, &start);
    return start;
}

std::string timeStampOf(int year, int month, int day, int hour, int minute, int second)
{
    std::tm local {};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    char buffer[256];
    std::memset(buffer, 'x', sizeof buffer);
    cvsrv::formatTimeStamp(local, buffer);
    return buffer;
}

// "中文" in code page 936.
constexpr const char* kChineseGbk = "\xD6\xD0\xCE\xC4";

} // namespace

TEST(Split, KeepsInnerEmptyPiecesAndDropsTheTrailingOne)
{
    EXPECT_EQ(split("a\rb\r", "\r"), (Pieces { "a", "b" }));
    EXPECT_EQ(split("a\r\rb", "\r"), (Pieces { "a", "", "b" }));
    EXPECT_EQ(split("\ra", "\r"), (Pieces { "", "a" }));
    EXPECT_EQ(split("\r", "\r"), (Pieces { "" }));
    EXPECT_EQ(split("abc", "\r"), (Pieces { "abc" }));
    // Result text is split at LF first, then each row at CR.
    EXPECT_EQ(split("3\rFamily\r\n7\rWork\r", "\n"), (Pieces { "3\rFamily\r", "7\rWork\r" }));
}

TEST(Split, SeparatorsOfSeveralCharacters)
{
    EXPECT_EQ(split("a,,b,,,,c", ",,"), (Pieces { "a", "b", "", "c" }));
    EXPECT_EQ(split("a;b", ";;"), (Pieces { "a;b" }));
}

TEST(Split, AppendsToWhatTheArrayHoldsAndIgnoresUnusableInput)
{
    EXPECT_EQ(split("b\rc", "\r", { "a" }), (Pieces { "a", "b", "c" }));
    EXPECT_EQ(split("", "\r", { "kept" }), (Pieces { "kept" }));
    EXPECT_EQ(split("a\rb", "", { "kept" }), (Pieces { "kept" }));
    EXPECT_EQ(CUtility().Split("a\rb", "\r", nullptr), nullptr);
}

TEST(TimeStamp, IsFourteenDigitsWithLeadingZeros)
{
    EXPECT_EQ(timeStampOf(2027, 1, 1, 0, 0, 0), "20270101000000");
    EXPECT_EQ(timeStampOf(2013, 6, 17, 21, 40, 22), "20130617214022");
    EXPECT_EQ(timeStampOf(2026, 12, 31, 23, 59, 59), "20261231235959");
}

TEST(TimeStamp, CurrentLocalTime)
{
    const std::time_t before = std::time(nullptr);
    char buffer[256] = {};
    EXPECT_EQ(CUtility().GetTimeStamp(buffer), buffer);
    const std::time_t after = std::time(nullptr);

    ASSERT_EQ(std::strlen(buffer), 14u);
    for (int i = 0; i < 14; ++i)
        EXPECT_TRUE(buffer[i] >= '0' && buffer[i] <= '9') << buffer;
    std::tm lo {}, hi {};
    localtime_r(&before, &lo);
    localtime_r(&after, &hi);
    char first[16], last[16];
    cvsrv::formatTimeStamp(lo, first);
    cvsrv::formatTimeStamp(hi, last);
    EXPECT_GE(std::string(buffer), first);
    EXPECT_LE(std::string(buffer), last);
}

TEST(HashCode, Md5AsUpperCaseHex)
{
    char digest[64];
    std::memset(digest, 'x', sizeof digest);
    EXPECT_EQ(CUtility().GetHashCode("abc", digest), digest);
    EXPECT_STREQ(digest, "900150983CD24FB0D6963F7D28E17F72");
    EXPECT_STREQ(CUtility().GetHashCode("", digest), "D41D8CD98F00B204E9800998ECF8427E");
    // Code-page-936 bytes are hashed as they are.
    EXPECT_STREQ(CUtility().GetHashCode(kChineseGbk, digest), "BCCE109775E8E1972E9F5FCDA3E12895");
}

TEST(HashCode, EncodeMd5FormatsBeforeHashing)
{
    char expected[33], digest[33];
    CUtility().GetHashCode("13800138000secret20270101000000QWZRT", expected);
    CUtility().EncodeMd5(digest, "%s%s%s%s", "13800138000", "secret", "20270101000000", CUtility::kHashSalt);
    EXPECT_STREQ(digest, expected);
}

TEST(CodePage, Utf8IsPassedThrough)
{
    const CodePageGuard guard("UTF-8");
    std::string out = "old";
    EXPECT_EQ(CUtility().ConvertUTF8("张三 A&B", out), "张三 A&B");
    EXPECT_EQ(CUtility().Utf8toAnsi("张三"), "张三");
    EXPECT_EQ(CUtility().Utf8toAnsi(""), "");
}

TEST(CodePage, Cp936RoundTrip)
{
    const CodePageGuard guard("CP936");
    std::string out = "old";
    EXPECT_EQ(CUtility().ConvertUTF8(kChineseGbk, out), "中文");
    EXPECT_EQ(out, "中文");
    EXPECT_EQ(CUtility().Utf8toAnsi("中文 ok"), std::string(kChineseGbk) + " ok");
    EXPECT_EQ(CUtility().ConvertUTF8("", out), "");
    EXPECT_EQ(CUtility().Utf8toAnsi(""), "");
}

TEST(CodePage, UnrepresentableCharacterBecomesOneDefaultCharacter)
{
    const CodePageGuard guard("CP936");
    // U+1F600 has no code-page-936 form: one "?" for the character, not one per byte.
    EXPECT_EQ(CUtility().Utf8toAnsi("a\xF0\x9F\x98\x80"
                                    "b"),
        "a?b");
    // A broken UTF-8 sequence does not swallow the rest of the text.
    EXPECT_EQ(CUtility().Utf8toAnsi("a\xFF"
                                    "b"),
        "a?b");
    std::string out;
    EXPECT_EQ(CUtility().ConvertUTF8("a\xFF"
                                     "b",
                  out),
        "a?b");
}

TEST(CodePage, SettingIsLibraryWide)
{
    {
        const CodePageGuard guard("CP936");
        EXPECT_EQ(CUtility::AnsiCodePage(), "CP936");
    }
    EXPECT_EQ(CUtility::AnsiCodePage(), "UTF-8");
    CUtility::SetAnsiCodePage("");
    EXPECT_EQ(CUtility::AnsiCodePage(), "UTF-8");
}

TEST(TraceHook, WritesNothingAndAnswersTrue)
{
    EXPECT_TRUE(Log("mylog.txt", "one line"));
}

TEST(ServiceConfig, EnvironmentOverridesOnlyUsableValues)
{
    ::setenv("CORVANA_WEB_HOST", "10.9.8.7", 1);
    ::setenv("CORVANA_WEB_PORT", "8081", 1);
    ::setenv("CORVANA_SERVICE_NAMESPACE", "http://other.test/", 1);
    cvsrv::ServiceConfig config = cvsrv::ServiceConfig::fromEnvironment();
    EXPECT_EQ(config.webHost, "10.9.8.7");
    EXPECT_EQ(config.webPort, 8081);
    EXPECT_EQ(config.namespaceUri, "http://other.test/");

    for (const char* unusable : { "80x", "0", "70000", "-1", "" }) {
        ::setenv("CORVANA_WEB_PORT", unusable, 1);
        EXPECT_EQ(cvsrv::ServiceConfig::fromEnvironment().webPort, cvsrv::kDefaultWebPort) << unusable;
    }

    // A loopback service is always reachable.
    ::setenv("CORVANA_WEB_HOST", "127.0.0.1", 1);
    EXPECT_EQ(CUtility().Fun_InternetGetConnectedState(), 1);
    for (const char* name : { "CORVANA_WEB_HOST", "CORVANA_WEB_PORT", "CORVANA_SERVICE_NAMESPACE" })
        ::unsetenv(name);
}

TEST(ServiceConfig, EnvironmentShortensTheTimeOuts)
{
    const cvsrv::ServiceConfig defaults;
    ::setenv("CORVANA_CONNECT_TIMEOUT_MS", "300", 1);
    ::setenv("CORVANA_EXCHANGE_TIMEOUT_MS", "900", 1);
    cvsrv::ServiceConfig config = cvsrv::ServiceConfig::fromEnvironment();
    EXPECT_EQ(config.connectTimeoutMs, 300);
    EXPECT_EQ(config.exchangeTimeoutMs, 900);

    // Zero would mean "no time-out" to the transfer: a dead service must never get that.
    for (const char* unusable : { "0", "-5", "1s", "", "600001" }) {
        ::setenv("CORVANA_EXCHANGE_TIMEOUT_MS", unusable, 1);
        EXPECT_EQ(cvsrv::ServiceConfig::fromEnvironment().exchangeTimeoutMs, defaults.exchangeTimeoutMs) << unusable;
    }
    ::unsetenv("CORVANA_CONNECT_TIMEOUT_MS");
    ::unsetenv("CORVANA_EXCHANGE_TIMEOUT_MS");
}
