#include "account/SmsSignatureDialog.h"

#include "core/session/SessionState.h"
#include "skin/CEditBoxEx.h"

#include <QMessageBox>

SmsSignatureDialog::SmsSignatureDialog(SessionState& session, QObject* mainWindow, QWidget* parent)
    : SettingsDialog(session, mainWindow, tr("设置短信签名"), parent)
    , m_smsSignatureEdit(makeEdit(QStringLiteral("smsSignatureEdit")))
{
    setObjectName(QStringLiteral("smsSignatureDialog"));
    setFixedSize(fromDialogUnits(230, 120));
    addAccountRow();
    addField(1, 0, tr("短 信 签 名"), QStringLiteral("smsSignatureLabel"), m_smsSignatureEdit);
    m_smsSignatureEdit->setText(QString::fromStdString(session.memberProfile().smsSignature));
}

void SmsSignatureDialog::submit()
{
    MemberProfile& profile = session().memberProfile();
    profile.smsSignature = m_smsSignatureEdit->text().toStdString();
    send(SmsSignatureJob(profile.smsSignature));
}

void SmsSignatureDialog::replied(const SettingsReply& reply)
{
    if (!reply.succeeded()) {
        QMessageBox plain(QMessageBox::NoIcon, QString(), reply.message, QMessageBox::Ok, this);
        plain.setObjectName(QStringLiteral("plainNotice"));
        plain.exec();
        tell(reply.message);
        return;
    }
    tell(tr("短信签名设置成功！"));
    accept();
}
