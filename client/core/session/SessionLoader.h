#pragma once

#include "core/conference/ConferenceRecord.h"
#include "cvsrv/ServiceConfig.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <string>
#include <vector>

class CCvService;
class ServiceCall;
class SessionState;

// The main window's loaders: balance, running and booked conferences, member profile,
// and StartSessionLoads. Lives on the GUI thread. Each start function does nothing
// unless the session is signed in; each call runs on its own worker. The worker's
// result comes back here (through ServiceCall), is swapped into the SessionState on
// the GUI thread, and only then the completion message (Msg::BalanceReady,
// RunningConferencesReady, BookedConferencesReady; none for the profile) is posted to
// the main window. A result that arrives after the user signed out or changed
// accounts is dropped.
class SessionLoader : public QObject {
    Q_OBJECT

public:
    SessionLoader(SessionState& session, QObject* mainWindow, QObject* parent = nullptr);
    void setServiceConfig(const cvsrv::ServiceConfig& config);
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
    // The running and the booked list differ only in the operation, the decoder and
    // the message that reports them.
    using ConferenceListCall = int (CCvService::*)(const char*, const char*, std::string&, int&);
    using ConferenceListDecode = std::vector<ConferenceRecord> (*)(const std::string&);
    void loadConferenceList(ConferenceListCall call, ConferenceListDecode decode, int message, int currentCount);

    SessionState& m_session;
    QPointer<QObject> m_mainWindow;
    ServiceCall* m_calls;
    std::function<void()> m_addressBookLoads;
};
