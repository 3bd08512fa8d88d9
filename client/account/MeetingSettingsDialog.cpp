#include "account/MeetingSettingsDialog.h"

#include "core/session/SessionState.h"
#include "skin/CEditBoxEx.h"

MeetingSettingsDialog::MeetingSettingsDialog(SessionState& session, QObject* mainWindow, QWidget* parent)
    : SettingsDialog(session, mainWindow, tr("会议设置"), parent)
    , m_hostNumberEdit(makeEdit(QStringLiteral("hostNumberEdit")))
    , m_smsSignatureEdit(makeEdit(QStringLiteral("smsSignatureEdit")))
{
    setObjectName(QStringLiteral("meetingSettingsDialog"));
    setFixedSize(fromDialogUnits(230, 144));
    addAccountRow();
    addField(1, 0, tr("主持人号码"), QStringLiteral("hostNumberLabel"), m_hostNumberEdit);
    addField(2, 0, tr("短信签名"), QStringLiteral("smsSignatureLabel"), m_smsSignatureEdit);
    m_hostNumberEdit->setText(QString::fromStdString(session.memberProfile().hostNumber));
    m_smsSignatureEdit->setText(QString::fromStdString(session.memberProfile().smsSignature));
}

void MeetingSettingsDialog::submit()
{
    MemberProfile& profile = session().memberProfile();
    profile.hostNumber = m_hostNumberEdit->text().toStdString();
    profile.smsSignature = m_smsSignatureEdit->text().toStdString();
    send(MeetingSettingsJob(profile.hostNumber, profile.smsSignature));
}

void MeetingSettingsDialog::replied(const SettingsReply& reply)
{
    if (!reply.succeeded()) {
        tell(reply.message);
        return;
    }
    tell(tr("会议设置成功！"));
    accept();
}
