#include "RandomDigits.h"

#include <mutex>
#include <random>

namespace cvservice {

std::string RandomDigits::make(int count)
{
    static std::mutex mutex;
    static std::mt19937 engine { std::random_device {}() };
    std::lock_guard lock(mutex);
    std::uniform_int_distribution<int> digit(0, 9);
    std::string out;
    for (int i = 0; i < count; ++i)
        out += static_cast<char>('0' + digit(engine));
    return out;
}

} // namespace cvservice
