#include "core/messaging/SmsText.h"

#include <gtest/gtest.h>

namespace {

QString repeated(const char* piece, int times)
{
    return QString::fromUtf8(piece).repeated(times);
}

TEST(SmsText, TheSignatureFollowsTheContentInBracketsAndCharactersCountOnce)
{
    const QString message = smsText::message(QStringLiteral("你好"), QStringLiteral("ab"));
    EXPECT_EQ(message, QStringLiteral("你好[ab]"));
    EXPECT_EQ(smsText::length(message), 6);
    // No signature, no brackets.
    EXPECT_EQ(smsText::message(QStringLiteral("你好"), QString()), QStringLiteral("你好"));
    EXPECT_EQ(smsText::length(QStringLiteral("你好")), 2);
    // Placeholders in the texts stay as typed.
    EXPECT_EQ(smsText::message(QStringLiteral("%1 %2"), QStringLiteral("%1")), QStringLiteral("%1 %2[%1]"));
    // A character beyond the basic plane is one character, not two UTF-16 units.
    EXPECT_EQ(smsText::length(QString::fromUtf8("a\U0001F600b")), 3);
    EXPECT_EQ(smsText::length(QString()), 0);
}

TEST(SmsText, SeventyCharactersAreOneMessageLongerTextsGoInPartsOfSixtySeven)
{
    EXPECT_EQ(smsText::billedMessages(0), 0);
    EXPECT_EQ(smsText::billedMessages(1), 1);
    const std::pair<int, int> edges[]
        = { { 70, 1 }, { 71, 2 }, { 134, 2 }, { 135, 3 }, { 201, 3 }, { 202, 4 }, { 250, 4 } };
    for (const auto& [characters, messages] : edges) {
        // Counted in characters, Chinese or not.
        const QString text = repeated("会", characters / 2) + repeated("a", characters - characters / 2);
        EXPECT_EQ(smsText::billedMessages(smsText::length(text)), messages) << characters;
    }
}

} // namespace
