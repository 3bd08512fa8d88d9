#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace cvservice {

// Local wall-clock times as the service stores and sends them:
// "YYYY-MM-DDThh:mm:ss", which sorts and compares chronologically as text.
namespace timetext {

std::string format(std::time_t when);
std::string now();
std::string date(std::time_t when); // "YYYY-MM-DD"
std::string stamp(std::time_t when); // "YYYYMMDDhhmmss", as conference ids begin

// Accepts "YYYY-MM-DDThh:mm:ss", "YYYY-MM-DD hh:mm:ss", "YYYY-MM-DDThh:mm" and
// "YYYY-MM-DD"; anything else (or an impossible date) gives nothing.
std::optional<std::time_t> parse(std::string_view text);

// The 14-digit stamp of signed requests, "YYYYMMDDhhmmss".
std::optional<std::time_t> parseStamp(std::string_view stamp);

} // namespace timetext
} // namespace cvservice
