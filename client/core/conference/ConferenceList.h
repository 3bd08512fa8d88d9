#pragma once

#include "core/conference/ConferenceRecord.h"

#include <vector>

// The running or booked conferences of the session. The count is never above the
// records stored, so a view looping to count cannot read past the array.
class ConferenceList {
public:
    const std::vector<ConferenceRecord>& records() const { return m_records; }
    int count() const { return m_count; }
    int selectedIndex() const { return m_selected; }
    void setSelectedIndex(int index) { m_selected = index; }
    // The selected record, or nullptr when the selected index is not a record in use.
    const ConferenceRecord* selected() const;
    ConferenceRecord* selected();
    const ConferenceRecord* at(int index) const;

    // A reload with rows: the new records replace the old ones.
    void replace(std::vector<ConferenceRecord> records, int reportedCount);
    // A reload without rows, or a failed one: the records stay, the count becomes what
    // the operation reported (bounded).
    void setCount(int reportedCount);
    void clear();

private:
    std::vector<ConferenceRecord> m_records;
    int m_count = 0;
    int m_selected = 0;
};
