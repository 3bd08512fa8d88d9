#pragma once

#include "core/addressbook/ContactRecord.h"

#include <list>
#include <map>
#include <string_view>

// One participant array of the instant page (waiting or joined) in the order its
// entries came, with what the lists' rules ask of it: the entry with a phone, the
// entries whose phone begins with a text, and whether some phone contains a text.
//
// The indexes hold views of the entries' phones; list nodes never move, and an
// entry's phone never changes while it is stored, so the views stay valid. That is
// also why the array cannot be copied.
class RosterEntries {
public:
    using Entries = std::list<ContactRecord>;

    RosterEntries() = default;
    RosterEntries(const RosterEntries&) = delete;
    RosterEntries& operator=(const RosterEntries&) = delete;

    // Appends a copy unless an entry's phone already contains the entry's phone (an
    // equal phone included). Returns whether it was appended.
    bool add(const ContactRecord& entry);
    bool anyPhoneContains(std::string_view phone) const;

    const ContactRecord* find(std::string_view phone) const;
    // The entry with exactly this phone takes the three live states; false when none.
    bool updateStates(std::string_view phone, int callstate, int speakstate, int activetalker);

    // Removes every entry whose name begins with name and whose phone begins with
    // phone; returns how many.
    int removeByPrefixes(std::string_view name, std::string_view phone);
    bool remove(std::string_view phone);
    void clear();

    int count() const { return static_cast<int>(m_entries.size()); }
    bool empty() const { return m_entries.empty(); }
    Entries::const_iterator begin() const { return m_entries.begin(); }
    Entries::const_iterator end() const { return m_entries.end(); }

private:
    using ByPhone = std::map<std::string_view, Entries::iterator, std::less<>>;

    ByPhone::iterator erase(ByPhone::iterator indexed);

    Entries m_entries;
    ByPhone m_byPhone;
    // Every non-empty suffix of every phone, each naming its entry: a phone contains
    // a text exactly when one of its suffixes begins with it.
    std::multimap<std::string_view, Entries::iterator, std::less<>> m_suffixes;
};
