#pragma once

#include <QObject>
#include <QPointer>

class ServiceCall;
class SessionState;

// The address book's three loaders: contacts, contact groups (with their members and
// the ungrouped contacts) and conference groups (with their members). Each runs on
// its own worker (through ServiceCall, whose busy flag keeps it to one run of a kind
// at a time); the result is swapped into
// the session's AddressBook on the GUI thread, and only then the main window hears
// of it (contacts WM_USER+21, conference groups WM_USER+22, contact groups
// WM_USER+23). A result for an account no longer signed in is dropped, but the
// loader is free to run again.
class AddressBookLoader : public QObject {
    Q_OBJECT
public:
    enum Kind { Contacts, ContactGroups, ConferenceGroups, KindCount };

    AddressBookLoader(SessionState& session, QObject* mainWindow, QObject* parent = nullptr);

    ServiceCall& calls() { return *m_calls; }

    void LoadContacts();
    void LoadContactGroups();
    void LoadConferenceGroups();
    // All three, in this order, without waiting.
    void Synchronise();

    bool isBusy(Kind kind) const;
    // True while a loader runs or a completion message it posted has not been
    // handled yet, so that whoever handles the last message knows it is the last.
    bool anyBusy() const;
    // The main window calls this as it takes each completion message.
    void messageHandled();

protected:
    bool event(QEvent* event) override;

private:
    SessionState& m_session;
    QPointer<QObject> m_mainWindow;
    ServiceCall* m_calls;
    int m_unhandledMessages = 0;
};
