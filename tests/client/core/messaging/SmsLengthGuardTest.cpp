#include "core/messaging/SmsLengthGuard.h"

#include "core/messaging/SmsText.h"

#include <gtest/gtest.h>

namespace {

const QString kSignature = QStringLiteral("张明");

// Content that makes the message with kSignature exactly length characters long.
QString contentFor(int length)
{
    return QString::fromUtf8("字").repeated(length - 4);
}

TEST(SmsLengthGuard, TheCharacterBeyondTheLimitIsUndone)
{
    SmsLengthGuard guard;
    EXPECT_TRUE(guard.check({ kSignature, contentFor(249) }).accepted);
    const SmsLengthGuard::Verdict atLimit = guard.check({ kSignature, contentFor(250) });
    EXPECT_TRUE(atLimit.accepted);
    EXPECT_EQ(atLimit.length, smsText::kMaxLength);

    const SmsLengthGuard::Verdict typed = guard.check({ kSignature, contentFor(250) + QLatin1Char('x') });
    EXPECT_FALSE(typed.accepted);
    EXPECT_EQ(typed.texts, (SmsTexts { kSignature, contentFor(250) }));
    EXPECT_EQ(typed.length, 250);

    // A longer signature is held the same way.
    const SmsLengthGuard::Verdict signed_ = guard.check({ kSignature + QLatin1Char('x'), contentFor(250) });
    EXPECT_FALSE(signed_.accepted);
    EXPECT_EQ(signed_.texts.signature, kSignature);
}

TEST(SmsLengthGuard, APasteTooLongGoesBackToTheTextsJustBeforeIt)
{
    SmsLengthGuard guard;
    guard.check({ kSignature, QStringLiteral("明天") });
    guard.check({ kSignature, QStringLiteral("明天九点开会") });
    // Jumps from 12 characters to far beyond the limit without passing 250: the texts
    // before the paste come back, not empty ones.
    const SmsLengthGuard::Verdict pasted
        = guard.check({ kSignature, QStringLiteral("明天九点开会") + QString(300, QLatin1Char('p')) });
    EXPECT_FALSE(pasted.accepted);
    EXPECT_EQ(pasted.texts, (SmsTexts { kSignature, QStringLiteral("明天九点开会") }));
    EXPECT_EQ(pasted.length, 10);
    EXPECT_EQ(guard.lastAccepted(), pasted.texts);

    // Before anything was accepted, an over-long text goes back to empty texts.
    SmsLengthGuard fresh;
    EXPECT_EQ(fresh.check({ QString(), QString(251, QLatin1Char('p')) }).texts, SmsTexts {});
}

} // namespace
