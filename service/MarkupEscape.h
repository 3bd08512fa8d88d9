#pragma once

#include <string>
#include <string_view>

namespace cvservice {

// Appends text with the five markup characters written as entities, fit for XML
// element content and for HTML text and attribute values alike.
void appendEscapedMarkup(std::string& out, std::string_view text);

} // namespace cvservice
