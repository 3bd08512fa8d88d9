#pragma once

#include <QString>

// The message an SMS sends: the content, then the subscriber's signature in square
// brackets. Its length counts characters, one per Chinese character and one per
// ASCII character, and is held to kMaxLength, signature included.
namespace smsText {

inline constexpr int kMaxLength = 250;

QString message(const QString& content, const QString& signature);
// Characters, not UTF-16 units: a character outside the basic plane counts once.
int length(const QString& text);
// How many messages a text of length characters is billed as.
int billedMessages(int length);

} // namespace smsText
