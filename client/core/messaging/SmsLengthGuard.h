#pragma once

#include <QString>

// The signature and the content of the SMS page as one pair.
struct SmsTexts {
    QString signature;
    QString content;

    bool operator==(const SmsTexts&) const = default;
};

// Holds the message to smsText::kMaxLength while the user types or pastes: every
// change that keeps the message within the limit is remembered; a change that takes
// it beyond is answered with the texts remembered last, which the page puts back.
// So one keystroke too many, or a paste too long, undoes just that change.
class SmsLengthGuard {
public:
    struct Verdict {
        bool accepted = true;
        SmsTexts texts; // the texts the edits show after the check
        int length = 0; // of the message those texts make
    };

    Verdict check(const SmsTexts& texts);
    const SmsTexts& lastAccepted() const { return m_accepted; }

private:
    SmsTexts m_accepted;
};
