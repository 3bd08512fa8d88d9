#include "MemberId.h"

#include <algorithm>

namespace cvservice {

namespace {

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

bool isPhone(const std::string& phone)
{
    constexpr std::size_t kMaxPhone = 32;
    return !phone.empty() && phone.size() <= kMaxPhone && std::all_of(phone.begin(), phone.end(), [](char c) {
        return (c >= '0' && c <= '9') || c == '-' || c == '+';
    });
}

} // namespace

std::optional<MemberId> MemberId::parse(const std::string& text)
{
    const auto comma = text.find(',');
    MemberId id;
    id.phone = trimmed(text.substr(0, comma));
    if (comma != std::string::npos)
        id.name = trimmed(text.substr(comma + 1));
    if (!isPhone(id.phone))
        return std::nullopt;
    return id;
}

} // namespace cvservice
