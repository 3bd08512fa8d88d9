#pragma once

#include "app/ServiceWorker.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <memory>

class ReplyChannel;
class SessionState;

// The address book's three loaders: contacts, contact groups (with their members and
// the ungrouped contacts) and conference groups (with their members). Each runs on
// its own worker, at most one run of a kind at a time; the result is swapped into
// the session's AddressBook on the GUI thread, and only then the main window hears
// of it (contacts WM_USER+21, conference groups WM_USER+22, contact groups
// WM_USER+23). A result for an account no longer signed in is dropped, but the
// loader is free to run again.
class AddressBookLoader : public QObject {
    Q_OBJECT
public:
    enum Kind { Contacts, ContactGroups, ConferenceGroups, KindCount };

    AddressBookLoader(SessionState& session, QObject* mainWindow, QObject* parent = nullptr);
    ~AddressBookLoader() override;

    void LoadContacts();
    void LoadContactGroups();
    void LoadConferenceGroups();
    // All three, in this order, without waiting.
    void Synchronise();

    bool isBusy(Kind kind) const { return m_busy[kind]; }
    // True while a loader runs or a completion message it posted has not been
    // handled yet, so that whoever handles the last message knows it is the last.
    bool anyBusy() const;
    // The main window calls this as it takes each completion message.
    void messageHandled();

protected:
    bool event(QEvent* event) override;

private:
    static int replyType();
    bool begin(Kind kind);
    void startCall(ServiceWorker::ServiceBody body);

    SessionState& m_session;
    QPointer<QObject> m_mainWindow;
    std::shared_ptr<ReplyChannel> m_channel;
    ServiceWorker::CancelFlag m_cancel;
    std::array<bool, KindCount> m_busy {};
    int m_unhandledMessages = 0;
};
