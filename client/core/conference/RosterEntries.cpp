#include "core/conference/RosterEntries.h"

bool RosterEntries::anyPhoneContains(std::string_view phone) const
{
    if (phone.empty())
        return !m_entries.empty();
    const auto candidate = m_suffixes.lower_bound(phone);
    return candidate != m_suffixes.end() && candidate->first.starts_with(phone);
}

bool RosterEntries::add(const ContactRecord& entry)
{
    if (anyPhoneContains(entry.phone))
        return false;
    const Entries::iterator stored = m_entries.insert(m_entries.end(), entry);
    const std::string_view phone = stored->phone;
    m_byPhone.emplace(phone, stored);
    for (std::size_t start = 0; start < phone.size(); ++start)
        m_suffixes.emplace(phone.substr(start), stored);
    return true;
}

const ContactRecord* RosterEntries::find(std::string_view phone) const
{
    const auto found = m_byPhone.find(phone);
    return found == m_byPhone.end() ? nullptr : &*found->second;
}

bool RosterEntries::updateStates(std::string_view phone, int callstate, int speakstate, int activetalker)
{
    const auto found = m_byPhone.find(phone);
    if (found == m_byPhone.end())
        return false;
    ContactRecord& entry = *found->second;
    entry.callstate = callstate;
    entry.speakstate = speakstate;
    entry.activetalker = activetalker;
    return true;
}

RosterEntries::ByPhone::iterator RosterEntries::erase(ByPhone::iterator indexed)
{
    const Entries::iterator entry = indexed->second;
    const std::string_view phone = entry->phone;
    for (std::size_t start = 0; start < phone.size(); ++start) {
        auto [first, last] = m_suffixes.equal_range(phone.substr(start));
        for (; first != last; ++first) {
            if (first->second == entry) {
                m_suffixes.erase(first);
                break;
            }
        }
    }
    const ByPhone::iterator next = m_byPhone.erase(indexed);
    m_entries.erase(entry);
    return next;
}

int RosterEntries::removeByPrefixes(std::string_view name, std::string_view phone)
{
    int removed = 0;
    // Phones that begin with a text sit together in the phone order, from the first
    // phone not less than it.
    for (auto it = m_byPhone.lower_bound(phone); it != m_byPhone.end() && it->first.starts_with(phone);) {
        if (std::string_view(it->second->addressname).starts_with(name)) {
            it = erase(it);
            ++removed;
        } else {
            ++it;
        }
    }
    return removed;
}

bool RosterEntries::remove(std::string_view phone)
{
    const auto found = m_byPhone.find(phone);
    if (found == m_byPhone.end())
        return false;
    erase(found);
    return true;
}

void RosterEntries::clear()
{
    m_suffixes.clear();
    m_byPhone.clear();
    m_entries.clear();
}
