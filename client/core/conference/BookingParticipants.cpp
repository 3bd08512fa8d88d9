#include "core/conference/BookingParticipants.h"

#include "core/conference/ParticipantText.h"
#include "core/conference/RosterRules.h"

bool BookingParticipants::accepts(const ContactRecord& entry) const
{
    return !entry.phone.empty() && m_phones.find(entry.phone) == m_phones.end();
}

bool BookingParticipants::passesFilter(const ContactRecord& entry) const
{
    return RosterRules::passesFilter(entry.addressname, entry.phone, m_filter);
}

bool BookingParticipants::add(const ContactRecord& entry)
{
    if (!accepts(entry))
        return false;
    m_phones.insert(entry.phone);
    m_entries.push_back(entry);
    if (passesFilter(entry))
        m_shown.push_back(m_entries.size() - 1);
    return true;
}

bool BookingParticipants::removeRow(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    const std::size_t entry = m_shown[static_cast<std::size_t>(row)];
    m_phones.erase(m_entries[entry].phone);
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(entry));
    m_shown.erase(m_shown.begin() + row);
    for (std::size_t& shown : m_shown) {
        if (shown > entry)
            --shown;
    }
    return true;
}

void BookingParticipants::clear()
{
    m_entries.clear();
    m_shown.clear();
    m_phones.clear();
}

void BookingParticipants::setFilter(std::string filter)
{
    m_filter = std::move(filter);
    m_shown.clear();
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (passesFilter(m_entries[i]))
            m_shown.push_back(i);
    }
}

BookingParticipants::Fields BookingParticipants::fields() const
{
    Fields fields;
    for (const ContactRecord& entry : m_entries) {
        if (fields.count > 0) {
            fields.phones += ',';
            fields.names += ',';
        }
        fields.phones += entry.phone;
        ParticipantText::appendName(fields.names, entry.addressname);
        ++fields.count;
    }
    return fields;
}
