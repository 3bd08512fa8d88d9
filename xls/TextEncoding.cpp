#include "xls/TextEncoding.h"

#include "xls/IconvConverter.h"

#include <cstdint>

namespace xls {

namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

// Decodes one character at bytes[pos]; returns its length, or 0 when ill-formed.
std::size_t decodeOne(std::string_view bytes, std::size_t pos, char32_t& codePoint)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    std::size_t length = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > bytes.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

bool startsWith(std::string_view bytes, std::string_view prefix)
{
    return bytes.substr(0, prefix.size()) == prefix;
}

std::string convertOrReplace(const char* from, std::string_view bytes)
{
    IconvConverter converter("UTF-8", from);
    return converter.convert(bytes, kReplacementUtf8);
}

} // namespace

bool isValidUtf8(std::string_view bytes)
{
    std::size_t pos = 0;
    char32_t codePoint = 0;
    while (pos < bytes.size()) {
        // ASCII runs are the common case in phone books; skip them quickly.
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const std::size_t length = decodeOne(bytes, pos, codePoint);
        if (length == 0)
            return false;
        pos += length;
    }
    return true;
}

std::string sanitizeUtf8(std::string_view bytes)
{
    if (isValidUtf8(bytes))
        return std::string(bytes);
    std::string result;
    result.reserve(bytes.size() + 8);
    std::size_t pos = 0;
    char32_t codePoint = 0;
    while (pos < bytes.size()) {
        const std::size_t length = decodeOne(bytes, pos, codePoint);
        if (length == 0) {
            result.append(kReplacementUtf8);
            ++pos;
        } else {
            result.append(bytes.substr(pos, length));
            pos += length;
        }
    }
    return result;
}

std::u16string utf8ToUtf16(std::string_view utf8)
{
    std::u16string result;
    result.reserve(utf8.size());
    std::size_t pos = 0;
    char32_t codePoint = 0;
    while (pos < utf8.size()) {
        std::size_t length = decodeOne(utf8, pos, codePoint);
        if (length == 0) {
            codePoint = 0xFFFD;
            length = 1;
        }
        pos += length;
        if (codePoint < 0x10000) {
            result.push_back(static_cast<char16_t>(codePoint));
        } else {
            codePoint -= 0x10000;
            result.push_back(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
            result.push_back(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
        }
    }
    return result;
}

std::string decodeText(std::string_view bytes)
{
    if (startsWith(bytes, "\xEF\xBB\xBF"))
        return sanitizeUtf8(bytes.substr(3));
    if (startsWith(bytes, "\xFF\xFE"))
        return convertOrReplace("UTF-16LE", bytes.substr(2));
    if (startsWith(bytes, "\xFE\xFF"))
        return convertOrReplace("UTF-16BE", bytes.substr(2));
    if (isValidUtf8(bytes))
        return std::string(bytes);
    return convertOrReplace("GB18030", bytes);
}

std::string utf8ToGb18030(std::string_view utf8)
{
    IconvConverter converter("GB18030", "UTF-8");
    // Ill-formed input becomes "?", which every GB18030 reader shows.
    return converter.convert(utf8, "?");
}

} // namespace xls
