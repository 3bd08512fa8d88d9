#pragma once

#include "core/addressbook/ContactSearch.h"
#include "core/addressbook/PanelMode.h"
#include "core/addressbook/RowRef.h"

#include <optional>
#include <vector>

class AddressBook;

// The row a contacts-panel command acts on, as the book names it: the mode names the
// table, the RowRef the group (a header) or the member.
struct PanelTarget {
    PanelMode mode = PanelMode::ContactGroups;
    RowRef row;

    bool operator==(const PanelTarget&) const = default;
};

// The panel's row as the book names it. Without a search (searchHits null) it is the
// row itself in the panel's mode. While searching, a result row (0, position) stands
// for the contact of that hit, at the place the book's findMemberPosition gives it in
// the contact groups (the only groups a search covers), so its mode is ContactGroups
// whatever the tab; the results' header is a header of no group (-1, -1) in the
// panel's mode. A result past the hits, or whose contact is no longer in a contact
// group or the ungrouped list, resolves to nothing.
std::optional<PanelTarget> resolvePanelRow(
    const AddressBook& book, PanelMode mode, RowRef row, const std::vector<SearchHit>* searchHits);
