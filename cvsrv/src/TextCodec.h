#pragma once

#include <string>
#include <string_view>

namespace cvsrv {

// The library-wide "ANSI code page" and the conversions to and from UTF-8.
// Characters the target cannot hold become "?".
void setAnsiCodePage(const std::string& codePage);
std::string ansiCodePage();
bool ansiIsUtf8();

std::string ansiToUtf8(std::string_view ansi);
std::string utf8ToAnsi(std::string_view utf8);

// Cuts UTF-8 text to at most maxBytes without splitting a character.
std::string_view cutUtf8(std::string_view utf8, std::size_t maxBytes);

} // namespace cvsrv
