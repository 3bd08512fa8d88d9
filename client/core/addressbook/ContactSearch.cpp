#include "core/addressbook/ContactSearch.h"

#include "core/addressbook/AddressBook.h"

namespace {

void collect(const GroupEntry& group, std::string_view text, std::vector<const ContactRecord*>& matches)
{
    for (int i = 0; i < group.memberCount; ++i) {
        const ContactRecord& member = group.members[static_cast<std::size_t>(i)];
        if (member.addressname.find(text) != std::string::npos || member.phone.find(text) != std::string::npos)
            matches.push_back(&member);
    }
}

} // namespace

std::vector<SearchHit> searchContacts(const AddressBook& book, std::string_view text)
{
    // The members are found first and copied once their number is known: a short
    // text matches most of a large book, and growing the hits as they come would
    // move every copy made so far again and again.
    std::vector<const ContactRecord*> matches;
    for (int g = 0; g < book.groupCount(PanelMode::ContactGroups); ++g)
        collect(book.groupSlot(PanelMode::ContactGroups, g), text, matches);
    collect(book.ungrouped(), text, matches);
    std::vector<SearchHit> hits;
    hits.reserve(matches.size());
    for (const ContactRecord* member : matches)
        hits.push_back({ member->addressno, member->addressname, member->phone });
    return hits;
}
