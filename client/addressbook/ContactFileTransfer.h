#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class ProgressDialog;
struct ContactExportReply;
struct ContactImportReply;
class ServiceCall;
class SessionState;
class QWidget;

// Export of every contact to a file and import of contacts from one, for the contacts
// panel and the management window alike. Each asks for the file (the save dialog, the
// ImportFileDialog), picks the format by the file's ending (.txt, .xls, .xlsx, .csv;
// any other ending starts nothing) and runs its job under the modal progress dialog,
// which ends showing how many contacts an import added and refused. An import
// synchronises the book afterwards, also when it was cancelled, since the contacts
// sent before the cancel stay added. A file that could not be read or written is
// said so.
class ContactFileTransfer : public QObject {
    Q_OBJECT
public:
    ContactFileTransfer(const SessionState& session, std::function<void()> synchronise, QWidget* owner);

    void exportContacts();
    void importContacts();
    bool isRunning() const { return m_progress != nullptr; }

protected:
    bool event(QEvent* event) override;

private:
    enum class Kind { Export, Import };

    void runUnderProgress(Kind kind, const std::function<void(ProgressDialog&)>& start);
    void exported(const ContactExportReply& reply);
    void imported(const ContactImportReply& reply);

    const SessionState& m_session;
    std::function<void()> m_synchronise;
    QPointer<QWidget> m_owner;
    ServiceCall* m_calls;
    ProgressDialog* m_progress = nullptr; // while one runs (it lives on runUnderProgress's stack)
    // A reply that arrived while the progress dialog was still closing: handled once
    // it is gone, so no message shows over its result.
    std::function<void()> m_heldReply;
};
