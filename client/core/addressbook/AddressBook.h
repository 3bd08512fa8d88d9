#pragma once

#include "core/addressbook/ContactRecord.h"
#include "core/addressbook/GroupEntry.h"
#include "core/addressbook/PanelMode.h"
#include "core/addressbook/RowRef.h"

#include <array>
#include <cstddef>
#include <vector>

// The session's copy of the service-side address book. It owns every record; views
// keep RowRefs or addressnos, never pointers, since the next load replaces the arrays.
// Counts are bounded by what is actually stored, so a count the service over-reports
// never lets a view read past an array.
class AddressBook {
public:
    static constexpr int kMaxGroups = 100;

    AddressBook();
    virtual ~AddressBook() = default;

    const std::vector<ContactRecord>& contacts() const { return m_contacts; }
    int contactCount() const { return m_contactCount; }
    // Replaces the contacts; the count is bounded by the records given.
    void setContacts(std::vector<ContactRecord> contacts, int count);
    void setContactCount(int count);

    // Group tables: slots beyond the count in use keep stale content and are never
    // shown. Counts are bounded to [0, kMaxGroups].
    int groupCount(PanelMode mode) const;
    void setGroupCount(PanelMode mode, int count);
    GroupEntry& groupSlot(PanelMode mode, int position); // position in [0, kMaxGroups)
    const GroupEntry& groupSlot(PanelMode mode, int position) const;

    // The contacts in no contact group (id 0, kind ContactGroup).
    GroupEntry& ungrouped() { return m_ungrouped; }
    const GroupEntry& ungrouped() const { return m_ungrouped; }
    // The always-empty pseudo-group one past the last conference group.
    const GroupEntry& emptyConferencePseudoGroup() const { return m_emptyGroup; }

    // A header RowRef: a group in use, or at index == groups in use the pseudo-group
    // of that mode. Member rows and anything out of range give nullptr.
    const GroupEntry* groupAt(PanelMode mode, RowRef row) const;
    // A member RowRef: the first all-contacts record with the member's addressno.
    const ContactRecord* contactAt(PanelMode mode, RowRef row) const;
    // Writes (group position, member position) of the first contact group holding
    // addressno, else (groups in use, position in the ungrouped list) and returns true;
    // returns false and leaves *out unchanged when the contact is in neither.
    bool findMemberPosition(int addressno, RowRef* out) const;

    void clear();

private:
    const GroupEntry* groupOrPseudo(PanelMode mode, int position) const;

    std::vector<ContactRecord> m_contacts;
    int m_contactCount = 0;
    std::array<GroupEntry, kMaxGroups> m_contactGroups;
    int m_contactGroupCount = 0;
    GroupEntry m_ungrouped;
    std::array<GroupEntry, kMaxGroups> m_conferenceGroups;
    int m_conferenceGroupCount = 0;
    GroupEntry m_emptyGroup;
};
