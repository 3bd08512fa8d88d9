#include "core/addressbook/AddressBookQueries.h"

#include "core/addressbook/AddressBook.h"
#include "core/service/ResultText.h"
#include "core/service/ServiceJob.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// The pieces of text between separators, cut as CUtility::Split cuts them (a
// separator at the very end starts no piece), without copying: a reload of a large
// book splits hundreds of thousands of fields. f returns false to stop.
template <typename F> void forEachPiece(std::string_view text, char separator, F f)
{
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos)
            end = text.size();
        if (!f(text.substr(start, end - start)))
            return;
        start = end + 1;
    }
}

// The first Columns fields of a row; those the row lacks stay empty.
template <std::size_t Columns> class RowFields {
public:
    explicit RowFields(std::string_view row)
    {
        std::size_t column = 0;
        forEachPiece(row, '\r', [&](std::string_view field) {
            m_fields[column++] = field;
            return column < Columns;
        });
    }
    std::string text(std::size_t column) const { return ResultText::trimmedRight(m_fields[column]); }
    int number(std::size_t column) const { return ResultText::toInt(m_fields[column]); }

private:
    std::array<std::string_view, Columns> m_fields {};
};

// At most limit rows of text, each decoded from its first Columns fields.
template <std::size_t Columns, typename Decode>
std::vector<ContactRecord> decodeRows(const std::string& text, int limit, Decode decode)
{
    std::vector<ContactRecord> records;
    if (limit <= 0)
        return records;
    const auto rows = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    records.reserve(std::min(rows, static_cast<std::size_t>(limit)));
    forEachPiece(text, '\n', [&](std::string_view row) {
        records.push_back(decode(RowFields<Columns>(row)));
        return records.size() < static_cast<std::size_t>(limit);
    });
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
    return decodeRows<8>(text, limit, [](const RowFields<8>& fields) {
        ContactRecord contact;
        contact.clientno = fields.text(0);
        contact.addressno = fields.number(1);
        contact.addressname = fields.text(2);
        contact.phone = fields.text(3);
        contact.sex = fields.number(4);
        contact.email = fields.text(5);
        contact.addressgroupid = fields.number(6);
        contact.addressgroupname = fields.text(7);
        return contact;
    });
}

std::vector<ContactRecord> decodeMembers(const std::string& text, int limit)
{
    return decodeRows<3>(text, limit, [](const RowFields<3>& fields) {
        ContactRecord member;
        member.addressno = fields.number(0);
        member.addressname = fields.text(1);
        member.phone = fields.text(2);
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
    const std::size_t kept = static_cast<std::size_t>(std::min(reportedCount, AddressBook::kMaxGroups));
    forEachPiece(text, '\n', [&](std::string_view row) {
        const RowFields<2> fields(row);
        GroupReply group;
        const std::string idText = fields.text(0);
        group.id = ResultText::toInt(idText);
        group.name = fields.text(1);
        group.members = membersOf(idText);
        reply.groups.push_back(std::move(group));
        return reply.groups.size() < kept;
    });
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
