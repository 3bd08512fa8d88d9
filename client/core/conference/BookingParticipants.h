#pragma once

#include "core/addressbook/ContactRecord.h"

#include <set>
#include <string>
#include <string_view>
#include <vector>

// The participants of the scheduled-meeting page: the entries in the order they came,
// and the rows the list shows of them under the filter. A phone is taken once: an
// entry whose phone is already there, exactly, is refused (a longer or shorter phone
// is another participant). The list is always a view of the entries, so what the list
// shows, what a new filter shows and what a booking sends never drift apart.
class BookingParticipants {
public:
    // The participants' fields of a booking request: every entry, filter or not.
    struct Fields {
        std::string phones;
        std::string names;
        int count = 0;
    };

    // Whether add() would take the entry: it has a phone that no entry has yet.
    bool accepts(const ContactRecord& entry) const;
    // Whether the filter lets the entry show.
    bool passesFilter(const ContactRecord& entry) const;
    // Appends the entry (shown last when it passes the filter); false when refused.
    bool add(const ContactRecord& entry);
    // Removes the entry the row shows; false for a row that does not exist.
    bool removeRow(int row);
    void clear();

    // Rebuilds the shown rows: the entries whose name or phone contains the text.
    void setFilter(std::string filter);
    const std::string& filter() const { return m_filter; }

    int rowCount() const { return static_cast<int>(m_shown.size()); }
    const ContactRecord& row(int row) const { return m_entries[m_shown[static_cast<std::size_t>(row)]]; }
    int count() const { return static_cast<int>(m_entries.size()); }
    const std::vector<ContactRecord>& entries() const { return m_entries; }

    Fields fields() const;

private:
    std::vector<ContactRecord> m_entries;
    std::vector<std::size_t> m_shown; // row -> entry
    std::set<std::string, std::less<>> m_phones;
    std::string m_filter;
};
