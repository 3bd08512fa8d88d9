#include "core/addressbook/GroupPageRules.h"

#include "core/addressbook/AddressBook.h"

#include <algorithm>
#include <set>

namespace {

PanelMode modeOf(GroupKind kind)
{
    return kind == GroupKind::ContactGroup ? PanelMode::ContactGroups : PanelMode::ConferenceGroups;
}

std::string trimmed(const std::string& text)
{
    const char* blanks = " \t\r\n\f\v";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool contains(const std::string& field, const std::string& text)
{
    return field.find(text) != std::string::npos;
}

const ContactRecord* fullRecord(const AddressBook& book, int addressno)
{
    const auto end = book.contacts().begin() + std::min<std::ptrdiff_t>(book.contactCount(), book.contacts().size());
    const auto found = std::find_if(book.contacts().begin(), end,
        [addressno](const ContactRecord& contact) { return contact.addressno == addressno; });
    return found == end ? nullptr : &*found;
}

} // namespace

const GroupEntry* groupById(const AddressBook& book, GroupKind kind, int id)
{
    if (id == 0)
        return kind == GroupKind::ContactGroup ? &book.ungrouped() : &book.emptyConferencePseudoGroup();
    const PanelMode mode = modeOf(kind);
    for (int position = 0; position < book.groupCount(mode); ++position) {
        if (book.groupSlot(mode, position).id == id)
            return &book.groupSlot(mode, position);
    }
    return nullptr;
}

std::vector<ContactRecord> groupPageRows(const AddressBook& book, const GroupEntry& group, const std::string& search)
{
    const std::string text = trimmed(search);
    const int members = std::clamp(group.memberCount, 0, static_cast<int>(group.members.size()));
    std::vector<ContactRecord> rows;
    for (int m = 0; m < members; ++m) {
        const ContactRecord* contact = fullRecord(book, group.members[std::size_t(m)].addressno);
        if (!contact)
            continue;
        if (!text.empty() && !contains(contact->addressname, text) && !contains(contact->phone, text)
            && !contains(contact->addressgroupname, text) && !contains(contact->email, text))
            continue;
        rows.push_back(*contact);
    }
    return rows;
}

bool isStoredGroup(const GroupEntry& group)
{
    return !group.name.empty();
}

void applyGroupRename(AddressBook& book, GroupKind kind, int id, const std::string& name)
{
    if (id == 0)
        return;
    const PanelMode mode = modeOf(kind);
    for (int position = 0; position < book.groupCount(mode); ++position) {
        GroupEntry& group = book.groupSlot(mode, position);
        if (group.id != id)
            continue;
        group.name = name;
        if (kind != GroupKind::ContactGroup)
            return;
        const int members = std::clamp(group.memberCount, 0, static_cast<int>(group.members.size()));
        std::set<int> numbers;
        for (int m = 0; m < members; ++m)
            numbers.insert(group.members[std::size_t(m)].addressno);
        // The book offers its contacts read-only, so they are replaced whole.
        std::vector<ContactRecord> contacts = book.contacts();
        for (ContactRecord& contact : contacts) {
            if (numbers.count(contact.addressno) != 0)
                contact.addressgroupname = name;
        }
        book.setContacts(std::move(contacts), book.contactCount());
        return;
    }
}
