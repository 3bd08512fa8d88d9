#pragma once

#include <cstdint>
#include <string>

namespace cvservice {

// Amounts are kept in hundredths of a yuan; replies show them as "12.34".
std::string yuanText(std::int64_t hundredths);

} // namespace cvservice
