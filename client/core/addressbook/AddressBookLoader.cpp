#include "core/addressbook/AddressBookLoader.h"

#include "core/addressbook/AddressBookQueries.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "core/session/SessionState.h"

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
    if (m_session.isSignedIn())
        m_calls->startExclusive(Msg::ContactsReady, &queryContacts);
}

void AddressBookLoader::LoadContactGroups()
{
    if (m_session.isSignedIn())
        m_calls->startExclusive(Msg::ContactGroupsReady, &queryContactGroups);
}

void AddressBookLoader::LoadConferenceGroups()
{
    if (m_session.isSignedIn())
        m_calls->startExclusive(Msg::ConferenceGroupsReady, &queryConferenceGroups);
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
    if (!appEvent)
        return QObject::event(event);

    AddressBook& book = m_session.addressBook();
    const int message = appEvent->message();
    RecordList* contacts = appEvent->payload<RecordList>();
    GroupsReply* groups = appEvent->payload<GroupsReply>();
    if (contacts && message == Msg::ContactsReady)
        storeContacts(book, std::move(*contacts));
    else if (groups && message == Msg::ContactGroupsReady)
        storeGroups(book, PanelMode::ContactGroups, std::move(*groups));
    else if (groups && message == Msg::ConferenceGroupsReady)
        storeGroups(book, PanelMode::ConferenceGroups, std::move(*groups));
    else
        return QObject::event(event);

    if (m_mainWindow) {
        ++m_unhandledMessages;
        postAppEvent(m_mainWindow.data(), message);
    }
    return true;
}
