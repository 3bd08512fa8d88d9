#include "core/service/ResultText.h"

#include "cvsrv/CUtility.h"

#include <climits>

std::vector<std::string> ResultText::rows(const std::string& text)
{
    std::vector<std::string> result;
    CUtility().Split(text, "\n", &result);
    return result;
}

std::vector<std::string> ResultText::fields(const std::string& row)
{
    std::vector<std::string> result;
    CUtility().Split(row, "\r", &result);
    return result;
}

namespace {

int digitsFrom(std::string_view text, std::size_t pos, bool negative)
{
    long long value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        value = value * 10 + (text[pos] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            break;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

int ResultText::toInt(std::string_view field)
{
    std::size_t pos = 0;
    while (pos < field.size() && isBlank(field[pos]))
        ++pos;
    bool negative = false;
    if (pos < field.size() && (field[pos] == '+' || field[pos] == '-')) {
        negative = field[pos] == '-';
        ++pos;
    }
    return digitsFrom(field, pos, negative);
}

int ResultText::leadingDigits(std::string_view field)
{
    std::size_t pos = 0;
    while (pos < field.size() && isBlank(field[pos]))
        ++pos;
    return digitsFrom(field, pos, false);
}

std::string ResultText::trimmedRight(std::string_view text)
{
    std::size_t end = text.size();
    while (end > 0 && isBlank(text[end - 1]))
        --end;
    return std::string(text.substr(0, end));
}

std::string ResultText::cut(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return std::string(text);
    std::size_t end = maxBytes;
    // Step back over continuation bytes so the cut lands before a lead byte.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return std::string(text.substr(0, end));
}

const std::string* ResultText::column(const std::vector<std::string>& fields, std::size_t column)
{
    return column < fields.size() ? &fields[column] : nullptr;
}
