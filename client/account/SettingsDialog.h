#pragma once

#include "core/account/SettingsJobs.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"

#include "skin/CDialogEx.h"

class CButtonPNG;
class CEditBoxEx;
class CTransparentStatic;
class QGridLayout;
class SessionState;

// The frame every account settings dialog shares: a title with its icon in the title
// band, the close button, the signed-in account shown read-only, a grid of fields,
// "确定" and "取消".
//
// "确定" runs the dialog's submit(); a change goes to the service on a worker while
// the dialog waits with its buttons resting (Cancel, Escape and the close button are
// ignored meanwhile, so it cannot close on a change the service may still make).
// The answer comes to replied(); a job that ends without one comes to noReply().
class SettingsDialog : public CDialogEx {
    Q_OBJECT
public:
    SettingsDialog(SessionState& session, QObject* mainWindow, const QString& title, QWidget* parent);

    // "确定" (and Enter).
    void confirm();
    void reject() override;
    bool isWaiting() const { return m_waiting; }

    QString title() const;
    CEditBoxEx* accountEdit() const { return m_accountEdit; }
    ServiceCall* calls() const { return m_calls; }

protected:
    virtual void submit() = 0;
    virtual void replied(const SettingsReply& reply) = 0;
    // The job ended without a reply (the session ended meanwhile, or it failed).
    virtual void noReply();

    template <typename Job> void send(Job job)
    {
        setWaiting(true);
        m_calls->start(Msg::AccountSettingReplied, std::move(job));
    }

    // label: its text, or empty for a field that continues the row before.
    void addField(int row, int column, const QString& label, const QString& labelName, QWidget* field, int span = 1);
    void addField(int row, int column, const QString& label, const QString& labelName, QLayout* field, int span = 1);
    // The read-only account row, first.
    void addAccountRow(int columns = 1);
    CEditBoxEx* makeEdit(const QString& objectName);
    // "提示" with OK only.
    void tell(const QString& text);

    SessionState& session() const { return m_session; }
    QObject* mainWindow() const { return m_mainWindow; }

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setWaiting(bool waiting);
    CTransparentStatic* fieldLabel(const QString& text, const QString& objectName);

    SessionState& m_session;
    QObject* m_mainWindow;
    ServiceCall* m_calls;
    bool m_waiting = false;
    CTransparentStatic* m_title = nullptr;
    CEditBoxEx* m_accountEdit = nullptr;
    QGridLayout* m_fields = nullptr;
    CButtonPNG* m_okButton = nullptr;
    CButtonPNG* m_cancelButton = nullptr;
};
