#pragma once

#include "account/SettingsDialog.h"

// "修改密码". The typed old password only has to be there: the change is signed and
// sent with the password the session signed in with. A change the service takes is
// announced to the main window (PasswordChanged), since the session's copy is now
// stale.
class PasswordDialog : public SettingsDialog {
    Q_OBJECT
public:
    PasswordDialog(SessionState& session, QObject* mainWindow, QWidget* parent = nullptr);

protected:
    void submit() override;
    void replied(const SettingsReply& reply) override;

private:
    CEditBoxEx* passwordEdit(const QString& objectName);

    CEditBoxEx* m_oldPasswordEdit;
    CEditBoxEx* m_newPasswordEdit;
    CEditBoxEx* m_confirmPasswordEdit;
};
