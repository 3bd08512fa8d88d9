#include "account/PasswordDialog.h"

#include "core/account/SettingsRules.h"
#include "core/service/AppEvent.h"
#include "core/session/SessionState.h"
#include "skin/CEditBoxEx.h"

using settingsRules::PasswordCheck;

PasswordDialog::PasswordDialog(SessionState& session, QObject* mainWindow, QWidget* parent)
    : SettingsDialog(session, mainWindow, tr("修改密码"), parent)
    , m_oldPasswordEdit(passwordEdit(QStringLiteral("oldPasswordEdit")))
    , m_newPasswordEdit(passwordEdit(QStringLiteral("newPasswordEdit")))
    , m_confirmPasswordEdit(passwordEdit(QStringLiteral("confirmPasswordEdit")))
{
    setObjectName(QStringLiteral("passwordDialog"));
    setFixedSize(fromDialogUnits(230, 170));
    addAccountRow();
    addField(1, 0, tr("原始密码"), QStringLiteral("oldPasswordLabel"), m_oldPasswordEdit);
    addField(2, 0, tr("新设密码"), QStringLiteral("newPasswordLabel"), m_newPasswordEdit);
    addField(3, 0, tr("确认密码"), QStringLiteral("confirmPasswordLabel"), m_confirmPasswordEdit);
}

CEditBoxEx* PasswordDialog::passwordEdit(const QString& objectName)
{
    CEditBoxEx* made = makeEdit(objectName);
    made->setEchoMode(QLineEdit::Password);
    // The sign-in sends no longer a password: a longer new one could never be used.
    made->setMaxLength(static_cast<int>(SessionState::kPasswordBytes));
    return made;
}

void PasswordDialog::submit()
{
    const std::string typed = m_newPasswordEdit->text().toStdString();
    switch (settingsRules::checkPasswordChange(
        m_oldPasswordEdit->text().toStdString(), typed, m_confirmPasswordEdit->text().toStdString())) {
    case PasswordCheck::OldMissing:
        tell(tr("请输入原密码！"));
        return;
    case PasswordCheck::NewMissing:
        tell(tr("请输入新密码！"));
        return;
    case PasswordCheck::Mismatch:
        tell(tr("两次输入的密码不一致！"));
        return;
    case PasswordCheck::Ok:
        break;
    }
    send(PasswordChangeJob(typed));
}

void PasswordDialog::replied(const SettingsReply& reply)
{
    if (!reply.succeeded()) {
        tell(reply.message);
        return;
    }
    tell(tr("密码修改成功！请用新密码重新登录！"));
    postAppEvent(mainWindow(), Msg::PasswordChanged);
    accept();
}
