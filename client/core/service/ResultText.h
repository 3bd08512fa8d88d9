#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Reading the service's result text (rows separated by LF, every field followed by
// CR) and bounding texts that go into fixed-width fields.
class ResultText {
public:
    static std::vector<std::string> rows(const std::string& text);
    static std::vector<std::string> fields(const std::string& row);

    // atoi rules: leading blanks, an optional sign, then the leading decimal digits;
    // anything else gives 0. Values beyond int saturate instead of wrapping.
    static int toInt(std::string_view field);
    // The same but with no sign accepted: "-3" gives 0 (the options file's integers).
    static int leadingDigits(std::string_view field);

    static std::string trimmedRight(std::string_view text);
    // At most maxBytes bytes of text, never cutting a UTF-8 character in half.
    static std::string cut(std::string_view text, std::size_t maxBytes);

    // The field at column, or nullptr when the row is too short.
    static const std::string* column(const std::vector<std::string>& fields, std::size_t column);
};
