#pragma once

#include <string>
#include <string_view>

namespace cvservice {

// The frame every web page shares: head, style, navigation and footer.
class PageLayout {
public:
    static std::string wrap(std::string_view title, std::string_view body);
    static std::string escape(std::string_view text);
};

} // namespace cvservice
