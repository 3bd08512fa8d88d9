#include "core/addressbook/AddressBook.h"

#include <algorithm>

AddressBook::AddressBook()
{
    clear();
}

void AddressBook::setContacts(std::vector<ContactRecord> contacts, int count)
{
    m_contacts = std::move(contacts);
    setContactCount(count);
}

void AddressBook::setContactCount(int count)
{
    m_contactCount = std::clamp(count, 0, static_cast<int>(m_contacts.size()));
}

int AddressBook::groupCount(PanelMode mode) const
{
    return mode == PanelMode::ContactGroups ? m_contactGroupCount : m_conferenceGroupCount;
}

void AddressBook::setGroupCount(PanelMode mode, int count)
{
    const int bounded = std::clamp(count, 0, kMaxGroups);
    (mode == PanelMode::ContactGroups ? m_contactGroupCount : m_conferenceGroupCount) = bounded;
}

GroupEntry& AddressBook::groupSlot(PanelMode mode, int position)
{
    auto& table = mode == PanelMode::ContactGroups ? m_contactGroups : m_conferenceGroups;
    return table.at(static_cast<std::size_t>(position));
}

const GroupEntry& AddressBook::groupSlot(PanelMode mode, int position) const
{
    const auto& table = mode == PanelMode::ContactGroups ? m_contactGroups : m_conferenceGroups;
    return table.at(static_cast<std::size_t>(position));
}

const GroupEntry* AddressBook::groupOrPseudo(PanelMode mode, int position) const
{
    const int inUse = groupCount(mode);
    if (position >= 0 && position < inUse)
        return &groupSlot(mode, position);
    if (position == inUse)
        return mode == PanelMode::ContactGroups ? &m_ungrouped : &m_emptyGroup;
    return nullptr;
}

const GroupEntry* AddressBook::groupAt(PanelMode mode, RowRef row) const
{
    return row.isHeader() ? groupOrPseudo(mode, row.index) : nullptr;
}

const ContactRecord* AddressBook::contactAt(PanelMode mode, RowRef row) const
{
    if (row.isHeader())
        return nullptr;
    const GroupEntry* group = groupOrPseudo(mode, row.parent);
    if (!group || row.index < 0 || row.index >= group->memberCount)
        return nullptr;
    const int addressno = group->members[static_cast<std::size_t>(row.index)].addressno;
    const auto end = m_contacts.begin() + m_contactCount;
    const auto found = std::find_if(
        m_contacts.begin(), end, [addressno](const ContactRecord& c) { return c.addressno == addressno; });
    return found == end ? nullptr : &*found;
}

bool AddressBook::findMemberPosition(int addressno, RowRef* out) const
{
    auto positionIn = [addressno](const GroupEntry& group) {
        const auto end = group.members.begin() + group.memberCount;
        const auto found = std::find_if(
            group.members.begin(), end, [addressno](const ContactRecord& c) { return c.addressno == addressno; });
        return found == end ? -1 : static_cast<int>(found - group.members.begin());
    };
    for (int g = 0; g < m_contactGroupCount; ++g) {
        const int member = positionIn(m_contactGroups[static_cast<std::size_t>(g)]);
        if (member >= 0) {
            *out = { g, member };
            return true;
        }
    }
    const int member = positionIn(m_ungrouped);
    if (member < 0)
        return false;
    *out = { m_contactGroupCount, member };
    return true;
}

void AddressBook::clear()
{
    m_contacts.clear();
    m_contactCount = 0;
    m_contactGroups.fill(GroupEntry {});
    m_contactGroupCount = 0;
    m_ungrouped = GroupEntry {};
    GroupEntry conferenceTemplate;
    conferenceTemplate.kind = GroupKind::ConferenceGroup;
    m_conferenceGroups.fill(conferenceTemplate);
    m_conferenceGroupCount = 0;
    m_emptyGroup = conferenceTemplate;
}
