#pragma once

#include <string>

namespace cvservice {

// The user's guide to the client, served at /nav/manual.aspx.
class ManualPage {
public:
    static std::string html();
};

} // namespace cvservice
