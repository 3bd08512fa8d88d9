#pragma once

#include <json/value.h>

#include <optional>
#include <string>
#include <string_view>

namespace corvana {

// How deep objects and arrays may nest in what a peer sends; our messages need three.
inline constexpr int kMaxJsonDepth = 32;

// Reads text as one JSON value, comments not allowed. Never throws: jsoncpp throws
// when nesting passes its depth limit, and a peer can send that on purpose. nullopt
// when the text is not JSON, with jsoncpp's explanation in errors when asked.
std::optional<Json::Value> readJson(std::string_view text, std::string* errors = nullptr);

} // namespace corvana
