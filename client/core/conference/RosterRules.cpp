#include "core/conference/RosterRules.h"

#include <algorithm>

bool RosterRules::isValidTypedPhone(std::string_view phone)
{
    return phone.size() >= kMinPhoneLength
        && std::all_of(phone.begin(), phone.end(), [](char c) { return (c >= '0' && c <= '9') || c == '-'; });
}

MemberStatus RosterRules::statusOf(int speakstate)
{
    switch (speakstate) {
    case 0:
        return MemberStatus::Listening;
    case 1:
        return MemberStatus::Speaking;
    case 2:
        return MemberStatus::Muted;
    default:
        return MemberStatus::None;
    }
}

bool RosterRules::offersMute(MemberStatus status)
{
    return status == MemberStatus::Speaking || status == MemberStatus::None;
}

WaitingOperation RosterRules::waitingOperation(bool running, int callstate)
{
    if (!running)
        return WaitingOperation::Delete;
    return callstate == 0 ? WaitingOperation::DeleteHangUp : WaitingOperation::DeleteCall;
}

bool RosterRules::passesFilter(std::string_view name, std::string_view phone, std::string_view filter)
{
    return filter.empty() || name.find(filter) != std::string_view::npos
        || phone.find(filter) != std::string_view::npos;
}
