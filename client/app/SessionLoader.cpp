#include "app/SessionLoader.h"

#include "app/AppEvent.h"
#include "app/ConferenceListDecoder.h"
#include "app/CvSessionService.h"
#include "app/LoaderReplies.h"
#include "app/MessageIds.h"
#include "app/ReplyChannel.h"
#include "app/SessionState.h"

SessionLoader::SessionLoader(SessionState& session, QObject* mainWindow, QObject* parent)
    : QObject(parent)
    , m_session(session)
    , m_mainWindow(mainWindow)
    , m_factory(CvSessionService::factory(cvsrv::ServiceConfig::fromEnvironment()))
    , m_channel(ReplyChannel::to(this))
    , m_cancel(ServiceWorker::newCancelFlag())
{
}

SessionLoader::~SessionLoader()
{
    m_cancel->store(true);
    m_channel->close();
}

void SessionLoader::setServiceFactory(SessionServiceFactory factory)
{
    m_factory = std::move(factory);
}

void SessionLoader::setAddressBookLoads(std::function<void()> loads)
{
    m_addressBookLoads = std::move(loads);
}

void SessionLoader::startWorker(std::function<QEvent*(SessionService&)> call)
{
    ServiceWorker::start(
        m_channel,
        [factory = m_factory, call = std::move(call)](const std::atomic<bool>& cancel) -> QEvent* {
            const std::unique_ptr<SessionService> service = factory(&cancel);
            return service ? call(*service) : nullptr;
        },
        m_cancel);
}

void SessionLoader::LoadBalance()
{
    if (!m_session.isSignedIn())
        return;
    startWorker([account = m_session.regphoneid(), password = m_session.password()](SessionService& service) {
        BalanceReply reply;
        reply.account = account;
        reply.status = service.GetClientBalance(account, password, reply.balance, reply.expiry);
        return new AppEvent(Msg::BalanceReady, 0, 0, std::move(reply));
    });
}

void SessionLoader::LoadCurrentConferences()
{
    loadConferenceList(
        &SessionService::Getcurrentconferencelist, &ConferenceListDecoder::running, Msg::RunningConferencesReady);
}

void SessionLoader::LoadSubscribedConferences()
{
    loadConferenceList(
        &SessionService::GetSubscribeCurrentConference, &ConferenceListDecoder::booked, Msg::BookedConferencesReady);
}

void SessionLoader::loadConferenceList(ConferenceListCall call, ConferenceListDecode decode, int messageType)
{
    if (!m_session.isSignedIn())
        return;
    startWorker([account = m_session.regphoneid(), password = m_session.password(), call, decode, messageType](
                    SessionService& service) {
        ConferenceListReply reply;
        reply.account = account;
        std::string text;
        reply.status = (service.*call)(account, password, text, reply.rows);
        reply.hasRows = !text.empty() && reply.rows > 0;
        if (reply.hasRows)
            reply.records = decode(text);
        return new AppEvent(messageType, 0, 0, std::move(reply));
    });
}

void SessionLoader::LoadMemberProfile()
{
    if (!m_session.isSignedIn())
        return;
    startWorker([account = m_session.regphoneid(), password = m_session.password()](SessionService& service) {
        MemberProfileReply reply;
        reply.account = account;
        std::string text;
        reply.status = service.GetMemberInfo(account, password, text);
        reply.update = MemberProfileUpdate::decode(text);
        return new AppEvent(profileLoadedType(), 0, 0, std::move(reply));
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

int SessionLoader::profileLoadedType()
{
    // The profile has no completion message; a private number routes its result here.
    static const int type = QEvent::registerEventType();
    return type;
}

bool SessionLoader::isForCurrentSession(const std::string& account) const
{
    return m_session.isSignedIn() && account == m_session.regphoneid();
}

bool SessionLoader::event(QEvent* event)
{
    auto* appEvent = dynamic_cast<AppEvent*>(event);
    if (!appEvent)
        return QObject::event(event);

    if (auto* balance = appEvent->payload<BalanceReply>()) {
        if (!isForCurrentSession(balance->account))
            return true;
        m_session.setBalance(balance->status, balance->balance, balance->expiry);
    } else if (auto* list = appEvent->payload<ConferenceListReply>()) {
        if (!isForCurrentSession(list->account))
            return true;
        ConferenceList& target = appEvent->message() == Msg::RunningConferencesReady ? m_session.runningConferences()
                                                                                     : m_session.bookedConferences();
        if (list->hasRows)
            target.replace(std::move(list->records), list->rows);
        else
            target.setCount(list->rows);
    } else if (auto* profile = appEvent->payload<MemberProfileReply>()) {
        if (isForCurrentSession(profile->account))
            profile->update.applyTo(m_session.memberProfile());
        return true;
    } else {
        return QObject::event(event);
    }
    postAppEvent(m_mainWindow.data(), appEvent->message());
    return true;
}
