#include "account/TransferDialog.h"

#include "widgets/DialogControls.h"

#include "core/account/SettingsRules.h"
#include "core/session/SessionState.h"
#include "skin/CEditBoxEx.h"
#include "skin/CTransparentStatic.h"

#include <QHBoxLayout>
#include <QRegularExpressionValidator>

TransferDialog::TransferDialog(SessionState& session, QObject* mainWindow, QWidget* parent)
    : SettingsDialog(session, mainWindow, tr("账户转账"), parent)
    , m_toAccountEdit(makeEdit(QStringLiteral("toAccountEdit")))
    , m_amountEdit(makeEdit(QStringLiteral("amountEdit")))
    , m_passwordEdit(makeEdit(QStringLiteral("passwordEdit")))
{
    setObjectName(QStringLiteral("transferDialog"));
    setFixedSize(fromDialogUnits(230, 170));
    m_toAccountEdit->setMaxLength(static_cast<int>(SessionState::kAccountBytes));
    m_amountEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_amountEdit));
    m_passwordEdit->setEchoMode(QLineEdit::Password);
    m_passwordEdit->setMaxLength(static_cast<int>(SessionState::kPasswordBytes));

    auto* amount = new QHBoxLayout;
    amount->setSpacing(8);
    amount->addWidget(m_amountEdit, 1);
    amount->addWidget(dialogControls::label(tr("元"), QStringLiteral("yuanLabel"), this));

    addAccountRow();
    addField(1, 0, tr("输入帐号"), QStringLiteral("toAccountLabel"), m_toAccountEdit);
    addField(2, 0, tr("转账金额"), QStringLiteral("amountLabel"), amount);
    addField(3, 0, tr("用户密码"), QStringLiteral("passwordLabel"), m_passwordEdit);
}

void TransferDialog::submit()
{
    const std::optional<int> hundredths = settingsRules::amountInHundredths(m_amountEdit->text().toStdString());
    if (!hundredths) {
        amountRefused();
        return;
    }
    send(TransferJob(m_toAccountEdit->text().toStdString(), *hundredths, m_passwordEdit->text().toStdString()));
}

void TransferDialog::replied(const SettingsReply& reply)
{
    if (!reply.succeeded()) {
        tell(reply.message);
        return;
    }
    tell(tr("转账成功!"));
    accept();
}

void TransferDialog::noReply()
{
    amountRefused();
}

void TransferDialog::amountRefused()
{
    tell(tr("输入的金额有误!"));
    done(Rejected);
}
