#pragma once

#include <string_view>

// The two lists of the instant-meeting page, by their list numbers.
enum class RosterList : int { Waiting = 0, Joined = 1 };

// The status cell of a joined member, from its speakstate.
enum class MemberStatus : int {
    None, // a speakstate the service has not defined: the cell stays empty
    Listening, // "旁听"
    Speaking, // "发言"
    Muted, // "禁言"
};

// The operation cell of a waiting row.
enum class WaitingOperation : int {
    Delete, // "删除", while composing
    DeleteCall, // "删除  呼叫"
    DeleteHangUp, // "删除  挂断", while the member is being called
};

// The rules of the instant page's participant lists that need no list: which phone a
// typed participant may have, which texts a member's states show, who passes the filter.
class RosterRules {
public:
    static constexpr int kMinPhoneLength = 7;

    // At least seven characters, each a digit or '-'. The name is never checked.
    static bool isValidTypedPhone(std::string_view phone);

    static MemberStatus statusOf(int speakstate);
    // The first word of a joined row's operation cell: "禁言" for a member who may
    // speak now (or whose state is unknown), "发言" for one who may not.
    static bool offersMute(MemberStatus status);
    static WaitingOperation waitingOperation(bool running, int callstate);

    // An empty filter passes everyone; otherwise the name or the phone must contain it.
    static bool passesFilter(std::string_view name, std::string_view phone, std::string_view filter);
};
