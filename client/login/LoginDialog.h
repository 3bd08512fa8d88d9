#pragma once

#include "core/session/LoginFlow.h"

#include "core/session/OptionsFile.h"
#include "skin/CDialogEx.h"

#include <QBasicTimer>
#include <QRect>

#include <functional>

class CButtonCR;
class CButtonPNG;
class CComboBoxEt;
class CEditBoxEx;
class CStaticEx;
class CTransparentStatic;
class ServiceCall;
class SessionState;
struct SignInOutcome;

// The sign-in window. It offers the saved accounts, runs the sign-in on a worker,
// watches it with a 200 ms timer and, once the service accepted, starts the session
// loads and stays up ("正在登录") until the main window has what it needs and ends
// it. Whether the user is signed in afterwards is the session's sign-in result, not
// the dialog's return code.
//
// A press of "登    录" (or Enter) while an attempt runs cancels it. Escape and the
// window system's close do nothing; the close button ends the dialog.
class LoginDialog : public CDialogEx {
    Q_OBJECT
public:
    static constexpr const char* kTimeoutText = QT_TR_NOOP("登录超时，请检查您的网络或重新登录。");

    // openedForUserChange: "更改用户" opened the dialog, so no automatic sign-in.
    LoginDialog(SessionState& session, QWidget* owner, bool openedForUserChange = false,
        const OptionsFile& options = OptionsFile());
    ~LoginDialog() override;

    // What a successful attempt starts: the main window's StartSessionLoads.
    void setStartSessionLoads(std::function<void()> start) { m_startSessionLoads = std::move(start); }

    // The sign-in button's action: start an attempt, or cancel the running one.
    void attempt();

    bool attemptRunning() const { return m_flow.running(); }
    // The user or the time-out abandoned the last attempt; its completion is ignored.
    bool signInCancelled() const { return m_flow.cancelled(); }
    bool openedForUserChange() const { return m_openedForUserChange; }
    // The dialog's client area in screen coordinates, as it was last placed.
    QRect lastPosition() const { return m_lastPosition; }

    void reject() override;
    void done(int result) override;

protected:
    void closeButtonClicked() override;
    bool event(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void loadOptions(const OptionsFile& options);
    void accountSelected(int index);
    void showBusyLook();
    void showIdleLook();
    void abandonAttempt();
    void signInFinished(const SignInOutcome& outcome);
    void rememberPosition();

    SessionState& m_session;
    bool m_openedForUserChange;
    LoginFlow m_flow;
    QBasicTimer m_timer;
    QRect m_lastPosition;
    std::function<void()> m_startSessionLoads;
    ServiceCall* m_calls;

    CComboBoxEt* m_accountCombo;
    CEditBoxEx* m_passwordEdit;
    CButtonCR* m_rememberPasswordCheck;
    CButtonCR* m_autoLoginCheck;
    CButtonPNG* m_signInButton;
    CTransparentStatic* m_accountLabel;
    CTransparentStatic* m_passwordLabel;
    CTransparentStatic* m_busyLabel;
    CStaticEx* m_registerLink;
    CStaticEx* m_homeLink;
    CStaticEx* m_forgotPasswordLink;
    CButtonPNG* m_logo;
};
