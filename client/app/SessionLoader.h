#pragma once

#include "app/ServiceWorker.h"
#include "app/SessionService.h"
#include "conference/ConferenceRecord.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class ReplyChannel;
class SessionState;

// The main window's loaders: balance, running and booked conferences, member profile,
// and StartSessionLoads. Lives on the GUI thread. Each start function does nothing
// unless the session is signed in; each call runs on its own worker. The worker's
// result comes back here, is swapped into the SessionState on the GUI thread, and
// only then the completion message (Msg::BalanceReady, RunningConferencesReady,
// BookedConferencesReady; none for the profile) is posted to the main window.
// A result that arrives after the user signed out or changed accounts is dropped.
class SessionLoader : public QObject {
    Q_OBJECT

public:
    SessionLoader(SessionState& session, QObject* mainWindow, QObject* parent = nullptr);
    // Cancels the workers still running; their results are dropped.
    ~SessionLoader() override;

    void setServiceFactory(SessionServiceFactory factory);
    // LoadContacts, LoadContactGroups and LoadConferenceGroups, owned by the address
    // book; StartSessionLoads runs this after its own loaders.
    void setAddressBookLoads(std::function<void()> loads);

    void LoadBalance();
    void LoadCurrentConferences();
    void LoadSubscribedConferences();
    void LoadMemberProfile();
    // After a successful sign-in: running conferences, balance, member profile, then
    // the address-book loads.
    void StartSessionLoads();

protected:
    bool event(QEvent* event) override;

private:
    static int profileLoadedType();
    bool isForCurrentSession(const std::string& account) const;
    void startWorker(std::function<QEvent*(SessionService&)> call);

    // The running and the booked list differ only in the operation, the decoder and
    // the message that reports them.
    using ConferenceListCall = int (SessionService::*)(const std::string&, const std::string&, std::string&, int&);
    using ConferenceListDecode = std::vector<ConferenceRecord> (*)(const std::string&);
    void loadConferenceList(ConferenceListCall call, ConferenceListDecode decode, int messageType);

    SessionState& m_session;
    QPointer<QObject> m_mainWindow;
    SessionServiceFactory m_factory;
    std::function<void()> m_addressBookLoads;
    std::shared_ptr<ReplyChannel> m_channel;
    ServiceWorker::CancelFlag m_cancel;
};
