#pragma once

#include "MemberLook.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

class LiveRoster;

// What the instant page's roster showed of every member, one look after each member
// list it applied: per phone, the states in the order they were shown, repeats left
// out. A member's state is read from the array of the list whose row shows it, and
// counts only when the row agrees: a joined row for callstate 1 with the status
// cell of its speakstate, a waiting row otherwise with the operation cell of its
// callstate. Anything else reads as MemberLook::inconsistent().
class RosterTally {
public:
    using Shown = std::unordered_map<std::string, std::vector<MemberLook>>;

    explicit RosterTally(const LiveRoster& roster);

    void look();
    std::uint64_t looks() const { return m_looks; }
    Shown shown() const;
    // The members the last look found in the lists.
    int membersSeen() const { return m_seenInLastLook; }

private:
    struct Member {
        std::uint64_t look = 0; // the last look that found the member
        MemberLook state; // what that look found
        std::vector<MemberLook> shown;
    };

    void sight(const std::string& phone, MemberLook state);

    const LiveRoster& m_roster;
    std::unordered_map<std::string, Member> m_members;
    std::uint64_t m_looks = 0;
    int m_seenInLastLook = 0;
};
