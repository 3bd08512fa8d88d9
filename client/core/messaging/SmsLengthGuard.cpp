#include "core/messaging/SmsLengthGuard.h"

#include "core/messaging/SmsText.h"

SmsLengthGuard::Verdict SmsLengthGuard::check(const SmsTexts& texts)
{
    const int length = smsText::length(smsText::message(texts.content, texts.signature));
    if (length <= smsText::kMaxLength) {
        m_accepted = texts;
        return { true, texts, length };
    }
    return { false, m_accepted, smsText::length(smsText::message(m_accepted.content, m_accepted.signature)) };
}
