#include "core/addressbook/PanelTarget.h"

#include "core/addressbook/AddressBook.h"

std::optional<PanelTarget> resolvePanelRow(
    const AddressBook& book, PanelMode mode, RowRef row, const std::vector<SearchHit>* searchHits)
{
    if (!searchHits)
        return PanelTarget { mode, row };
    if (row.isHeader())
        return PanelTarget { mode, RowRef {} };
    if (row.parent != 0 || row.index < 0 || row.index >= static_cast<int>(searchHits->size()))
        return std::nullopt;
    RowRef position;
    if (!book.findMemberPosition((*searchHits)[static_cast<std::size_t>(row.index)].addressno, &position))
        return std::nullopt;
    return PanelTarget { PanelMode::ContactGroups, position };
}
