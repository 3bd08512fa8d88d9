#include "PhoneNumber.h"

#include <cctype>

namespace cvservice::phone {

namespace {

std::size_t digitCount(const std::string& number)
{
    const std::size_t start = (!number.empty() && number[0] == '+') ? 1 : 0;
    if (number.size() == start)
        return 0;
    for (std::size_t i = start; i < number.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(number[i])))
            return 0;
    }
    return number.size() - start;
}

} // namespace

bool isDialable(const std::string& number)
{
    const std::size_t digits = digitCount(number);
    return digits >= 3 && digits <= 20;
}

bool isHostNumber(const std::string& number)
{
    return isDialable(number) && digitCount(number) >= 7;
}

} // namespace cvservice::phone
