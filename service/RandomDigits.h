#pragma once

#include <string>

namespace cvservice {

class RandomDigits {
public:
    static std::string make(int count);
};

} // namespace cvservice
