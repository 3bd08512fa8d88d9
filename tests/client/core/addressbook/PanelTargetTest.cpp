#include "core/addressbook/PanelTarget.h"
#include "core/addressbook/AddressBook.h"

#include <gtest/gtest.h>

namespace {

ContactRecord member(int addressno)
{
    ContactRecord record;
    record.addressno = addressno;
    return record;
}

// Two contact groups, two ungrouped contacts and a conference group.
AddressBook book()
{
    AddressBook book;
    book.setGroupCount(PanelMode::ContactGroups, 2);
    book.groupSlot(PanelMode::ContactGroups, 0).setMembers({ member(1), member(2) }, 2);
    book.groupSlot(PanelMode::ContactGroups, 1).setMembers({ member(3) }, 1);
    book.ungrouped().setMembers({ member(4), member(5) }, 2);
    book.setGroupCount(PanelMode::ConferenceGroups, 1);
    book.groupSlot(PanelMode::ConferenceGroups, 0).setMembers({ member(6), member(5) }, 2);
    return book;
}

} // namespace

TEST(PanelTarget, SearchResultsStandForTheirPlaceInTheContactGroups)
{
    const AddressBook contacts = book();
    // Results as the search found them, and one whose contact has left every
    // contact group since (6 is only in a conference group).
    const std::vector<SearchHit> hits { { 3, "c", "3" }, { 5, "e", "5" }, { 2, "b", "2" }, { 6, "f", "6" } };
    const struct {
        PanelMode mode;
        RowRef row;
        std::optional<PanelTarget> target;
    } cases[] = {
        { PanelMode::ContactGroups, { 0, 0 }, PanelTarget { PanelMode::ContactGroups, { 1, 0 } } },
        // The ungrouped list stands one past the contact groups.
        { PanelMode::ContactGroups, { 0, 1 }, PanelTarget { PanelMode::ContactGroups, { 2, 1 } } },
        // On the conference-groups tab a result still names its contact-group place.
        { PanelMode::ConferenceGroups, { 0, 2 }, PanelTarget { PanelMode::ContactGroups, { 0, 1 } } },
        { PanelMode::ConferenceGroups, { 0, 1 }, PanelTarget { PanelMode::ContactGroups, { 2, 1 } } },
        { PanelMode::ContactGroups, { 0, 3 }, std::nullopt },
        // The results' header is a header of no group, in the panel's mode.
        { PanelMode::ConferenceGroups, { -1, 0 }, PanelTarget { PanelMode::ConferenceGroups, { -1, -1 } } },
        // Positions past the results, or rows the results never have.
        { PanelMode::ContactGroups, { 0, 4 }, std::nullopt },
        { PanelMode::ContactGroups, { 0, -1 }, std::nullopt },
        { PanelMode::ContactGroups, { 1, 0 }, std::nullopt },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row (" << c.row.parent << ", " << c.row.index << ")");
        EXPECT_EQ(resolvePanelRow(contacts, c.mode, c.row, &hits), c.target);
    }
    const std::vector<SearchHit> none;
    EXPECT_EQ(resolvePanelRow(contacts, PanelMode::ContactGroups, { 0, 0 }, &none), std::nullopt);
    // Without a search the row is its own target, also past the groups.
    EXPECT_EQ(resolvePanelRow(contacts, PanelMode::ConferenceGroups, { 3, 3 }, nullptr),
        (PanelTarget { PanelMode::ConferenceGroups, { 3, 3 } }));
}
