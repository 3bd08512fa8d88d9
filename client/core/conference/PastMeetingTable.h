#pragma once

#include "core/conference/ConferenceRecord.h"

#include <string>
#include <string_view>
#include <vector>

// The subscriber's past conferences as the meeting-list page keeps them between
// visits, and which of them a search text keeps. A search keystroke is answered for
// every record, so each record's searchable texts are folded once, when the table is
// loaded, into one key: its id, topic, time text, host number and phones, lower-case
// (ASCII letters only) and separated by a character no field can hold, so that a
// search text never matches across two fields.
class PastMeetingTable {
public:
    // "YYYY-MM-DDThh:mm:ss…" as the list shows it: every "T" a blank, at most 19
    // characters.
    static std::string timeText(std::string_view meetingTime);

    void replace(std::vector<ConferenceRecord> records);
    void clear();

    int count() const { return static_cast<int>(m_records.size()); }
    const std::vector<ConferenceRecord>& records() const { return m_records; }
    // The record at a table index, or nullptr outside the table.
    const ConferenceRecord* at(int index) const;
    const std::string& timeTextAt(int index) const { return m_timeTexts[static_cast<std::size_t>(index)]; }

    // Whether the record at index is shown under search: an empty search keeps
    // everything; otherwise the search must occur in one of its fields (letters in
    // either case).
    bool isShown(int index, std::string_view search) const;
    // The table indexes of the records shown under search, in table order.
    std::vector<int> shownIndexes(std::string_view search) const;

private:
    static std::string folded(std::string_view text);
    bool matchesFolded(int index, std::string_view foldedSearch) const;

    std::vector<ConferenceRecord> m_records;
    std::vector<std::string> m_timeTexts;
    std::vector<std::string> m_keys;
};
