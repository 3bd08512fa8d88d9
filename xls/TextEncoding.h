#pragma once

#include <string>
#include <string_view>

namespace xls {

// True when bytes are well-formed UTF-8 (no overlong forms, surrogates or values
// beyond U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// bytes with every ill-formed sequence replaced by U+FFFD.
std::string sanitizeUtf8(std::string_view bytes);

// UTF-8 to UTF-16 code units; ill-formed sequences become U+FFFD.
std::u16string utf8ToUtf16(std::string_view utf8);

// The text of a file whose encoding nobody recorded, as UTF-8: a byte-order mark
// (UTF-8, UTF-16LE, UTF-16BE) decides; otherwise bytes that are valid UTF-8 are
// UTF-8 and anything else is GB18030, the encoding of Chinese Windows text files
// (a superset of code page 936). The mark is not part of the result.
std::string decodeText(std::string_view bytes);

// UTF-8 text as GB18030, which holds every Unicode character.
std::string utf8ToGb18030(std::string_view utf8);

} // namespace xls
