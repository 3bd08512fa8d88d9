#include "core/conference/ConferenceList.h"

#include <algorithm>

const ConferenceRecord* ConferenceList::at(int index) const
{
    return index >= 0 && index < m_count ? &m_records[static_cast<std::size_t>(index)] : nullptr;
}

const ConferenceRecord* ConferenceList::selected() const
{
    return at(m_selected);
}

ConferenceRecord* ConferenceList::selected()
{
    return const_cast<ConferenceRecord*>(at(m_selected));
}

void ConferenceList::replace(std::vector<ConferenceRecord> records, int reportedCount)
{
    m_records = std::move(records);
    setCount(reportedCount);
}

void ConferenceList::setCount(int reportedCount)
{
    m_count = std::clamp(reportedCount, 0, static_cast<int>(m_records.size()));
}

void ConferenceList::clear()
{
    m_records.clear();
    m_count = 0;
    m_selected = 0;
}
