#pragma once

#include <string>

namespace cvservice::phone {

// A dialable number: digits, optionally one leading "+", 3 to 20 digits.
bool isDialable(const std::string& number);

// A number that can host a conference: a dialable number of at least 7 digits.
bool isHostNumber(const std::string& number);

} // namespace cvservice::phone
