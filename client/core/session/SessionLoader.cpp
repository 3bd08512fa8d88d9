#include "core/session/SessionLoader.h"

#include "core/conference/ConferenceListDecoder.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "core/session/SessionReplies.h"
#include "core/session/SessionState.h"

SessionLoader::SessionLoader(SessionState& session, QObject* mainWindow, QObject* parent)
    : QObject(parent)
    , m_session(session)
    , m_mainWindow(mainWindow)
    , m_calls(new ServiceCall(session, this))
{
}

void SessionLoader::setServiceConfig(const cvsrv::ServiceConfig& config)
{
    m_calls->setConfig(config);
}

void SessionLoader::setAddressBookLoads(std::function<void()> loads)
{
    m_addressBookLoads = std::move(loads);
}

void SessionLoader::LoadBalance()
{
    if (!m_session.isSignedIn())
        return;
    m_calls->start(Msg::BalanceReady, [](CCvService& service, const Credentials& who) {
        BalanceReply reply;
        reply.status = service.GetClientBalance(who.account.c_str(), who.password.c_str(), reply.balance, reply.expiry);
        return reply;
    });
}

void SessionLoader::LoadCurrentConferences()
{
    loadConferenceList(&CCvService::Getcurrentconferencelist, &ConferenceListDecoder::running,
        Msg::RunningConferencesReady, m_session.runningConferences().count());
}

void SessionLoader::LoadSubscribedConferences()
{
    loadConferenceList(&CCvService::GetSubscribeCurrentConference, &ConferenceListDecoder::booked,
        Msg::BookedConferencesReady, m_session.bookedConferences().count());
}

void SessionLoader::loadConferenceList(
    ConferenceListCall call, ConferenceListDecode decode, int message, int currentCount)
{
    if (!m_session.isSignedIn())
        return;
    m_calls->start(message, [call, decode, currentCount](CCvService& service, const Credentials& who) {
        ConferenceListReply reply;
        reply.rows = currentCount;
        std::string text;
        reply.status = (service.*call)(who.account.c_str(), who.password.c_str(), text, reply.rows);
        reply.hasRows = !text.empty() && reply.rows > 0;
        if (reply.hasRows)
            reply.records = decode(text);
        return reply;
    });
}

void SessionLoader::LoadMemberProfile()
{
    if (!m_session.isSignedIn())
        return;
    m_calls->start(Msg::ProfileLoaded, [](CCvService& service, const Credentials& who) {
        MemberProfileReply reply;
        std::string text;
        reply.status = service.GetMemberInfo(who.account.c_str(), who.password.c_str(), text);
        reply.update = MemberProfileUpdate::decode(text);
        return reply;
    });
}

void SessionLoader::StartSessionLoads()
{
    LoadCurrentConferences();
    LoadBalance();
    LoadMemberProfile();
    if (m_addressBookLoads && m_session.isSignedIn())
        m_addressBookLoads();
}

bool SessionLoader::event(QEvent* event)
{
    auto* appEvent = dynamic_cast<AppEvent*>(event);
    if (!appEvent)
        return QObject::event(event);

    if (auto* balance = appEvent->payload<BalanceReply>()) {
        m_session.setBalance(balance->status, balance->balance, balance->expiry);
    } else if (auto* list = appEvent->payload<ConferenceListReply>()) {
        ConferenceList& target = appEvent->message() == Msg::RunningConferencesReady ? m_session.runningConferences()
                                                                                     : m_session.bookedConferences();
        if (list->hasRows)
            target.replace(std::move(list->records), list->rows);
        else
            target.setCount(list->rows);
    } else if (auto* profile = appEvent->payload<MemberProfileReply>()) {
        profile->update.applyTo(m_session.memberProfile());
        return true;
    } else {
        return QObject::event(event);
    }
    postAppEvent(m_mainWindow.data(), appEvent->message());
    return true;
}
