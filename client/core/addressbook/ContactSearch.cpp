#include "core/addressbook/ContactSearch.h"

#include "core/addressbook/AddressBook.h"

namespace {

void collect(const GroupEntry& group, std::string_view text, std::vector<SearchHit>& hits)
{
    for (int i = 0; i < group.memberCount; ++i) {
        const ContactRecord& member = group.members[static_cast<std::size_t>(i)];
        if (member.addressname.find(text) != std::string::npos || member.phone.find(text) != std::string::npos)
            hits.push_back({ member.addressno, member.addressname, member.phone });
    }
}

} // namespace

std::vector<SearchHit> searchContacts(const AddressBook& book, std::string_view text)
{
    std::vector<SearchHit> hits;
    for (int g = 0; g < book.groupCount(PanelMode::ContactGroups); ++g)
        collect(book.groupSlot(PanelMode::ContactGroups, g), text, hits);
    collect(book.ungrouped(), text, hits);
    return hits;
}
