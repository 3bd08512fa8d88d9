#include "core/addressbook/AddressBookQueries.h"

#include "core/addressbook/AddressBook.h"
#include "core/service/ResultText.h"
#include "core/service/ServiceJob.h"

#include <algorithm>

namespace {

std::string field(const std::vector<std::string>& fields, std::size_t column)
{
    const std::string* value = ResultText::column(fields, column);
    return value ? ResultText::trimmedRight(*value) : std::string();
}

// The rows of text, at most limit of them, each split into its fields.
template <typename Decode> std::vector<ContactRecord> decodeRows(const std::string& text, int limit, Decode decode)
{
    std::vector<ContactRecord> records;
    if (limit <= 0)
        return records;
    const std::vector<std::string> rows = ResultText::rows(text);
    const std::size_t kept = std::min(rows.size(), static_cast<std::size_t>(limit));
    records.reserve(kept);
    for (std::size_t i = 0; i < kept; ++i)
        records.push_back(decode(ResultText::fields(rows[i])));
    return records;
}

RecordList listOf(int status, int reportedCount, const std::string& text,
    std::vector<ContactRecord> (*decode)(const std::string&, int))
{
    RecordList list;
    list.answered = status == 0;
    if (!list.answered || reportedCount <= 0 || text.empty())
        return list;
    list.records = decode(text, reportedCount);
    list.count = static_cast<int>(list.records->size());
    return list;
}

using GroupListCall = int (CCvService::*)(const char*, const char*, std::string&, int&);
using MemberListCall = int (CCvService::*)(const char*, const char*, const char*, std::string&, int&);

GroupsReply queryGroups(CCvService& service, const Credentials& who, GroupListCall groups, MemberListCall members)
{
    std::string text;
    int count = 0;
    const int status = (service.*groups)(who.account.c_str(), who.password.c_str(), text, count);
    return groupList(status, count, text, [&](const std::string& groupId) {
        std::string memberText;
        int memberCount = 0;
        const int memberStatus
            = (service.*members)(who.account.c_str(), who.password.c_str(), groupId.c_str(), memberText, memberCount);
        return memberList(memberStatus, memberCount, memberText);
    });
}

void storeList(GroupEntry& entry, RecordList& list)
{
    if (!list.answered)
        return;
    if (list.records)
        entry.setMembers(std::move(*list.records), list.count);
    else
        entry.setMemberCount(list.count);
}

} // namespace

std::vector<ContactRecord> decodeContacts(const std::string& text, int limit)
{
    return decodeRows(text, limit, [](const std::vector<std::string>& fields) {
        ContactRecord contact;
        contact.clientno = field(fields, 0);
        contact.addressno = ResultText::toInt(field(fields, 1));
        contact.addressname = field(fields, 2);
        contact.phone = field(fields, 3);
        contact.sex = ResultText::toInt(field(fields, 4));
        contact.email = field(fields, 5);
        contact.addressgroupid = ResultText::toInt(field(fields, 6));
        contact.addressgroupname = field(fields, 7);
        return contact;
    });
}

std::vector<ContactRecord> decodeMembers(const std::string& text, int limit)
{
    return decodeRows(text, limit, [](const std::vector<std::string>& fields) {
        ContactRecord member;
        member.addressno = ResultText::toInt(field(fields, 0));
        member.addressname = field(fields, 1);
        member.phone = field(fields, 2);
        return member;
    });
}

RecordList contactList(int status, int reportedCount, const std::string& text)
{
    return listOf(status, reportedCount, text, &decodeContacts);
}

RecordList memberList(int status, int reportedCount, const std::string& text)
{
    return listOf(status, reportedCount, text, &decodeMembers);
}

GroupsReply groupList(int status, int reportedCount, const std::string& text, const MemberQuery& membersOf)
{
    GroupsReply reply;
    reply.answered = status == 0;
    if (!reply.answered || reportedCount <= 0 || text.empty())
        return reply;
    const std::vector<std::string> rows = ResultText::rows(text);
    const std::size_t kept = std::min(
        { rows.size(), static_cast<std::size_t>(reportedCount), static_cast<std::size_t>(AddressBook::kMaxGroups) });
    reply.groups.reserve(kept);
    for (std::size_t i = 0; i < kept; ++i) {
        const std::vector<std::string> fields = ResultText::fields(rows[i]);
        GroupReply group;
        const std::string idText = field(fields, 0);
        group.id = ResultText::toInt(idText);
        group.name = field(fields, 1);
        group.members = membersOf(idText);
        reply.groups.push_back(std::move(group));
    }
    return reply;
}

RecordList queryContacts(CCvService& service, const Credentials& who)
{
    std::string text;
    int count = 0;
    const int status = service.QueryClientAddress(who.account.c_str(), who.password.c_str(), text, count);
    return contactList(status, count, text);
}

GroupsReply queryContactGroups(CCvService& service, const Credentials& who)
{
    GroupsReply reply
        = queryGroups(service, who, &CCvService::GetClientAddressGroup, &CCvService::QueryClientAddressGroupMember);
    std::string text;
    int count = 0;
    const int status = service.QueryNotAddressGroupMember(who.account.c_str(), who.password.c_str(), text, count);
    reply.ungrouped = memberList(status, count, text);
    return reply;
}

GroupsReply queryConferenceGroups(CCvService& service, const Credentials& who)
{
    return queryGroups(service, who, &CCvService::GetConfGroup, &CCvService::QueryClientConfGroupMember);
}

void storeContacts(AddressBook& book, RecordList reply)
{
    if (!reply.answered)
        return;
    if (reply.records)
        book.setContacts(std::move(*reply.records), reply.count);
    else
        book.setContactCount(reply.count);
}

void storeGroups(AddressBook& book, PanelMode mode, GroupsReply reply)
{
    const GroupKind kind = mode == PanelMode::ContactGroups ? GroupKind::ContactGroup : GroupKind::ConferenceGroup;
    if (reply.answered) {
        book.setGroupCount(mode, static_cast<int>(reply.groups.size()));
        for (std::size_t i = 0; i < reply.groups.size(); ++i) {
            GroupReply& source = reply.groups[i];
            GroupEntry& slot = book.groupSlot(mode, static_cast<int>(i));
            slot.id = source.id;
            slot.name = std::move(source.name);
            slot.kind = kind;
            // The slot held whatever group stood at this position before; its members
            // must not show under another group's name.
            if (!source.members.answered)
                slot.setMemberCount(0);
            storeList(slot, source.members);
        }
    }
    if (mode == PanelMode::ContactGroups) {
        storeList(book.ungrouped(), reply.ungrouped);
        book.ungrouped().kind = GroupKind::ContactGroup;
    }
}
