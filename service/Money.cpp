#include "Money.h"

#include <cstdio>

namespace cvservice {

std::string yuanText(std::int64_t hundredths)
{
    const long long magnitude = hundredths < 0 ? -static_cast<long long>(hundredths) : hundredths;
    char text[48];
    std::snprintf(text, sizeof text, "%s%lld.%02lld", hundredths < 0 ? "-" : "", magnitude / 100, magnitude % 100);
    return text;
}

} // namespace cvservice
