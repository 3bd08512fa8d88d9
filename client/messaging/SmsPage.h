#pragma once

#include "core/addressbook/ContactSelectionTarget.h"
#include "core/messaging/SmsLengthGuard.h"
#include "core/messaging/SmsSchedule.h"

#include <QWidget>

class CButtonCR;
class CButtonPNG;
class CDateTimeCtrlEx;
class CEditBoxEx;
class CTransparentStatic;
class QPlainTextEdit;
class ServiceCall;
class SessionState;
struct SmsRecipientImportReply;
struct SmsSendReply;

// "会议短信": one short message, the content followed by the subscriber's signature in
// brackets, sent through the service to a list of numbers separated by ",", at once
// or at a later time. Recipients are typed, handed over from the contacts panel or
// imported from a spreadsheet. The message is held to 250 characters as the user
// types; a line under the content says how long it is, how many messages it is
// billed as and to how many numbers it goes.
//
// The import and the send each run as one ServiceCall job under the progress dialog;
// their replies come as WM_USER+80 and WM_USER+81.
class SmsPage : public QWidget, public ContactSelectionTarget {
    Q_OBJECT
public:
    explicit SmsPage(SessionState& session, QWidget* parent = nullptr);
    ~SmsPage() override;

    // The recipients of a contacts-panel selection (mode, parent, index), appended to
    // the recipients edit.
    void AddRecipients(int mode, int parent, int index);
    void AddFromAddressBook(int mode, int parent, int index) override { AddRecipients(mode, parent, index); }
    // The signature edit shows the account's SMS signature; run each time the page is
    // brought up.
    void ShowSignature();

    // "导入XLS" and "发  送".
    void importRecipients();
    void send();

    // Where the page reads the current time; the system clock unless a test says.
    void setClock(smsSchedule::Clock clock);

    CEditBoxEx* signatureEdit() const { return m_signatureEdit; }
    QPlainTextEdit* contentEdit() const { return m_contentEdit; }
    QPlainTextEdit* recipientsEdit() const { return m_recipientsEdit; }
    CEditBoxEx* lengthCounter() const { return m_lengthCounter; }
    CTransparentStatic* billingLine() const { return m_billingLine; }
    CButtonCR* timedSendBox() const { return m_timedSendBox; }
    CDateTimeCtrlEx* sendTimePicker() const { return m_sendTimePicker; }

protected:
    bool event(QEvent* event) override;

private:
    void buildControls();
    void connectControls();

    // Runs on every change of the signature or the content.
    void textsChanged();
    void updateBillingLine();
    void recipientsImported(const SmsRecipientImportReply& reply);
    void sendAnswered(const SmsSendReply& reply);
    void appendRecipients(const QString& more);

    SessionState& m_session;
    ServiceCall* m_calls;
    smsSchedule::Clock m_clock;
    SmsLengthGuard m_guard;
    int m_length = 0;
    bool m_restoring = false;

    CEditBoxEx* m_signatureEdit = nullptr;
    CButtonCR* m_timedSendBox = nullptr;
    CDateTimeCtrlEx* m_sendTimePicker = nullptr;
    QPlainTextEdit* m_contentEdit = nullptr;
    CEditBoxEx* m_lengthCounter = nullptr;
    CTransparentStatic* m_billingLine = nullptr;
    QPlainTextEdit* m_recipientsEdit = nullptr;
    CButtonPNG* m_importButton = nullptr;
    CButtonPNG* m_sendButton = nullptr;
};
