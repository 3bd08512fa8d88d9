#include "core/addressbook/AddressBookLoader.h"

#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ResultText.h"
#include "core/service/ServiceCall.h"
#include "core/session/SessionState.h"

#include <optional>
#include <vector>

namespace {

struct GroupReply {
    int id = 0;
    std::string name;
    int memberCount = 0;
    std::optional<std::vector<ContactRecord>> members; // set when the count was above 0
};

// Counts start as the book's own, so an operation that fails before writing its count
// leaves the count the book had.
struct AddressBookReply {
    AddressBookLoader::Kind kind = AddressBookLoader::Contacts;
    int count = 0;
    std::optional<std::vector<ContactRecord>> contacts; // Contacts: set when rows arrived
    std::vector<GroupReply> groups; // the group kinds
    int ungroupedCount = 0;
    std::optional<std::vector<ContactRecord>> ungrouped;
};

std::string field(const std::vector<std::string>& fields, std::size_t column)
{
    const std::string* value = ResultText::column(fields, column);
    return value ? ResultText::trimmedRight(*value) : std::string();
}

std::vector<ContactRecord> decodeContacts(const std::string& text)
{
    std::vector<ContactRecord> contacts;
    for (const std::string& row : ResultText::rows(text)) {
        const auto fields = ResultText::fields(row);
        ContactRecord contact;
        contact.clientno = field(fields, 0);
        contact.addressno = ResultText::toInt(field(fields, 1));
        contact.addressname = field(fields, 2);
        contact.phone = field(fields, 3);
        contact.sex = ResultText::toInt(field(fields, 4));
        contact.email = field(fields, 5);
        contact.addressgroupid = ResultText::toInt(field(fields, 6));
        contact.addressgroupname = field(fields, 7);
        contacts.push_back(std::move(contact));
    }
    return contacts;
}

// Group members and the ungrouped list carry addressno, addressname and phone.
std::vector<ContactRecord> decodeMembers(const std::string& text)
{
    std::vector<ContactRecord> members;
    for (const std::string& row : ResultText::rows(text)) {
        const auto fields = ResultText::fields(row);
        ContactRecord member;
        member.addressno = ResultText::toInt(field(fields, 0));
        member.addressname = field(fields, 1);
        member.phone = field(fields, 2);
        members.push_back(std::move(member));
    }
    return members;
}

using GroupListCall = int (CCvService::*)(const char*, const char*, std::string&, int&);
using MemberListCall = int (CCvService::*)(const char*, const char*, const char*, std::string&, int&);

void loadGroups(
    CCvService& service, const Credentials& who, AddressBookReply& reply, GroupListCall groups, MemberListCall members)
{
    std::string text;
    (service.*groups)(who.account.c_str(), who.password.c_str(), text, reply.count);
    if (reply.count <= 0 || text.empty())
        return;
    for (const std::string& row : ResultText::rows(text)) {
        const auto fields = ResultText::fields(row);
        GroupReply group;
        const std::string idText = field(fields, 0);
        group.id = ResultText::toInt(idText);
        group.name = field(fields, 1);
        std::string memberText;
        (service.*members)(who.account.c_str(), who.password.c_str(), idText.c_str(), memberText, group.memberCount);
        if (group.memberCount > 0)
            group.members = decodeMembers(memberText);
        reply.groups.push_back(std::move(group));
    }
}

void storeGroups(AddressBook& book, PanelMode mode, GroupKind kind, AddressBookReply& reply)
{
    book.setGroupCount(mode, reply.count);
    for (std::size_t i = 0; i < reply.groups.size() && int(i) < AddressBook::kMaxGroups; ++i) {
        GroupReply& source = reply.groups[i];
        GroupEntry& slot = book.groupSlot(mode, int(i));
        slot.id = source.id;
        slot.name = source.name;
        slot.kind = kind;
        if (source.members)
            slot.setMembers(std::move(*source.members), source.memberCount);
        else
            slot.setMemberCount(source.memberCount);
    }
}

} // namespace

AddressBookLoader::AddressBookLoader(SessionState& session, QObject* mainWindow, QObject* parent)
    : QObject(parent)
    , m_session(session)
    , m_mainWindow(mainWindow)
    , m_calls(new ServiceCall(session, this))
{
}

namespace {

// Each kind replies with its own completion number, so the busy flag is per kind.
int messageOf(AddressBookLoader::Kind kind)
{
    switch (kind) {
    case AddressBookLoader::Contacts:
        return Msg::ContactsReady;
    case AddressBookLoader::ContactGroups:
        return Msg::ContactGroupsReady;
    default:
        return Msg::ConferenceGroupsReady;
    }
}

} // namespace

bool AddressBookLoader::isBusy(Kind kind) const
{
    return m_calls->isBusy(messageOf(kind));
}

bool AddressBookLoader::anyBusy() const
{
    return m_calls->anyBusy() || m_unhandledMessages > 0;
}

void AddressBookLoader::messageHandled()
{
    if (m_unhandledMessages > 0)
        --m_unhandledMessages;
}

void AddressBookLoader::LoadContacts()
{
    if (!m_session.isSignedIn())
        return;
    const int count = m_session.addressBook().contactCount();
    m_calls->startExclusive(Msg::ContactsReady, [count](CCvService& service, const Credentials& who) {
        AddressBookReply reply;
        reply.kind = Contacts;
        reply.count = count;
        std::string text;
        service.QueryClientAddress(who.account.c_str(), who.password.c_str(), text, reply.count);
        if (reply.count > 0 && !text.empty())
            reply.contacts = decodeContacts(text);
        return reply;
    });
}

void AddressBookLoader::LoadContactGroups()
{
    if (!m_session.isSignedIn())
        return;
    const AddressBook& book = m_session.addressBook();
    const int count = book.groupCount(PanelMode::ContactGroups);
    const int ungroupedCount = book.ungrouped().memberCount;
    m_calls->startExclusive(
        Msg::ContactGroupsReady, [count, ungroupedCount](CCvService& service, const Credentials& who) {
            AddressBookReply reply;
            reply.kind = ContactGroups;
            reply.count = count;
            reply.ungroupedCount = ungroupedCount;
            loadGroups(
                service, who, reply, &CCvService::GetClientAddressGroup, &CCvService::QueryClientAddressGroupMember);
            std::string text;
            service.QueryNotAddressGroupMember(who.account.c_str(), who.password.c_str(), text, reply.ungroupedCount);
            if (reply.ungroupedCount > 0)
                reply.ungrouped = decodeMembers(text);
            return reply;
        });
}

void AddressBookLoader::LoadConferenceGroups()
{
    if (!m_session.isSignedIn())
        return;
    const int count = m_session.addressBook().groupCount(PanelMode::ConferenceGroups);
    m_calls->startExclusive(Msg::ConferenceGroupsReady, [count](CCvService& service, const Credentials& who) {
        AddressBookReply reply;
        reply.kind = ConferenceGroups;
        reply.count = count;
        loadGroups(service, who, reply, &CCvService::GetConfGroup, &CCvService::QueryClientConfGroupMember);
        return reply;
    });
}

void AddressBookLoader::Synchronise()
{
    LoadContacts();
    LoadContactGroups();
    LoadConferenceGroups();
}

bool AddressBookLoader::event(QEvent* event)
{
    auto* appEvent = dynamic_cast<AppEvent*>(event);
    AddressBookReply* reply = appEvent ? appEvent->payload<AddressBookReply>() : nullptr;
    if (!reply)
        return QObject::event(event);

    AddressBook& book = m_session.addressBook();
    int message = 0;
    switch (reply->kind) {
    case Contacts:
        if (reply->contacts)
            book.setContacts(std::move(*reply->contacts), reply->count);
        else
            book.setContactCount(reply->count);
        message = Msg::ContactsReady;
        break;
    case ContactGroups:
        storeGroups(book, PanelMode::ContactGroups, GroupKind::ContactGroup, *reply);
        if (reply->ungrouped)
            book.ungrouped().setMembers(std::move(*reply->ungrouped), reply->ungroupedCount);
        else
            book.ungrouped().setMemberCount(reply->ungroupedCount);
        book.ungrouped().kind = GroupKind::ContactGroup;
        message = Msg::ContactGroupsReady;
        break;
    case ConferenceGroups:
        storeGroups(book, PanelMode::ConferenceGroups, GroupKind::ConferenceGroup, *reply);
        message = Msg::ConferenceGroupsReady;
        break;
    case KindCount:
        return true;
    }
    if (m_mainWindow) {
        ++m_unhandledMessages;
        postAppEvent(m_mainWindow.data(), message);
    }
    return true;
}
