#include "UpdateCount.h"

#include <algorithm>

namespace {

std::size_t commonInOrder(const std::vector<MemberLook>& a, const std::vector<MemberLook>& b)
{
    // A member changes a handful of times in a run: the plain table is small.
    std::vector<std::size_t> previous(b.size() + 1, 0);
    std::vector<std::size_t> current(b.size() + 1, 0);
    for (const MemberLook& x : a) {
        for (std::size_t j = 0; j < b.size(); ++j)
            current[j + 1] = x == b[j] ? previous[j] + 1 : std::max(previous[j + 1], current[j]);
        std::swap(previous, current);
    }
    return previous[b.size()];
}

} // namespace

UpdateCount UpdateCount::of(const ServiceStates& service, const ShownStates& shown)
{
    static const std::vector<MemberLook> nothing;
    UpdateCount count;
    for (const auto& [phone, states] : service) {
        const auto found = shown.find(phone);
        const std::vector<MemberLook>& seen = found == shown.end() ? nothing : found->second;
        const std::size_t common = commonInOrder(states, seen);
        count.sent += states.empty() ? 0 : static_cast<long long>(states.size()) - 1;
        count.missed += static_cast<long long>(states.size() - common);
        count.unexpected += static_cast<long long>(seen.size() - common);
        if (seen.empty() || states.empty() || seen.back() != states.back())
            ++count.finalMismatches;
    }
    return count;
}
