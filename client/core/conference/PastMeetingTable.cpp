#include "core/conference/PastMeetingTable.h"

#include <algorithm>

namespace {

constexpr std::size_t kTimeTextLength = 19;
// Rows of the service's result text are split at LF, so no field holds one.
constexpr char kFieldSeparator = '\n';

} // namespace

std::string PastMeetingTable::timeText(std::string_view meetingTime)
{
    std::string text(meetingTime.substr(0, std::min(meetingTime.size(), kTimeTextLength)));
    std::replace(text.begin(), text.end(), 'T', ' ');
    return text;
}

std::string PastMeetingTable::folded(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

void PastMeetingTable::replace(std::vector<ConferenceRecord> records)
{
    m_records = std::move(records);
    m_timeTexts.clear();
    m_keys.clear();
    m_timeTexts.reserve(m_records.size());
    m_keys.reserve(m_records.size());
    for (const ConferenceRecord& record : m_records) {
        m_timeTexts.push_back(timeText(record.meetingTime));
        std::string key;
        for (std::string_view field : { std::string_view(record.conferenceId), std::string_view(record.topic),
                 std::string_view(m_timeTexts.back()), std::string_view(record.hostNumber),
                 std::string_view(record.phones) }) {
            key += folded(field);
            key += kFieldSeparator;
        }
        m_keys.push_back(std::move(key));
    }
}

void PastMeetingTable::clear()
{
    replace({});
}

const ConferenceRecord* PastMeetingTable::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return &m_records[static_cast<std::size_t>(index)];
}

bool PastMeetingTable::matchesFolded(int index, std::string_view foldedSearch) const
{
    if (foldedSearch.empty())
        return true;
    // A search holding the separator could only match across two fields.
    if (foldedSearch.find(kFieldSeparator) != std::string_view::npos)
        return false;
    return m_keys[static_cast<std::size_t>(index)].find(foldedSearch) != std::string::npos;
}

bool PastMeetingTable::isShown(int index, std::string_view search) const
{
    if (index < 0 || index >= count())
        return false;
    return matchesFolded(index, folded(search));
}

std::vector<int> PastMeetingTable::shownIndexes(std::string_view search) const
{
    const std::string foldedSearch = folded(search);
    std::vector<int> shown;
    shown.reserve(m_records.size());
    for (int i = 0; i < count(); ++i) {
        if (matchesFolded(i, foldedSearch))
            shown.push_back(i);
    }
    return shown;
}
