#include "RosterTally.h"

#include "core/conference/LiveRoster.h"

namespace {

MemberLook lookOf(const ContactRecord& entry)
{
    return { static_cast<std::int8_t>(entry.callstate), static_cast<std::int8_t>(entry.speakstate),
        static_cast<std::int8_t>(entry.activetalker) };
}

} // namespace

RosterTally::RosterTally(const LiveRoster& roster)
    : m_roster(roster)
{
}

void RosterTally::look()
{
    ++m_looks;
    for (int r = 0; r < m_roster.rowCount(RosterList::Joined); ++r) {
        const RosterRow& row = m_roster.row(RosterList::Joined, r);
        const ContactRecord* entry = m_roster.entries(RosterList::Joined).find(row.phone);
        const bool agrees = entry && entry->callstate == 1 && row.status == RosterRules::statusOf(entry->speakstate);
        sight(row.phone, agrees ? lookOf(*entry) : MemberLook::inconsistent());
    }
    for (int r = 0; r < m_roster.rowCount(RosterList::Waiting); ++r) {
        const RosterRow& row = m_roster.row(RosterList::Waiting, r);
        const ContactRecord* entry = m_roster.entries(RosterList::Waiting).find(row.phone);
        const bool agrees = entry && entry->callstate != 1
            && row.operation == RosterRules::waitingOperation(m_roster.running(), entry->callstate);
        sight(row.phone, agrees ? lookOf(*entry) : MemberLook::inconsistent());
    }
    m_seenInLastLook = 0;
    for (auto& [phone, member] : m_members) {
        const bool found = member.look == m_looks;
        if (found)
            ++m_seenInLastLook;
        // A member the lists no longer show at all is as wrong as one shown twice.
        const MemberLook state = found ? member.state : MemberLook::inconsistent();
        if (member.shown.empty() || member.shown.back() != state)
            member.shown.push_back(state);
    }
}

RosterTally::Shown RosterTally::shown() const
{
    Shown all;
    for (const auto& [phone, member] : m_members)
        all.emplace(phone, member.shown);
    return all;
}

void RosterTally::sight(const std::string& phone, MemberLook state)
{
    Member& member = m_members[phone];
    member.state = member.look == m_looks ? MemberLook::inconsistent() : state;
    member.look = m_looks;
}
