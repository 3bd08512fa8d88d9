#pragma once

#include "account/SettingsDialog.h"

// "账户转账": money from the signed-in account to another one, in whole yuan as
// typed, sent in hundredths. The password is typed here, not taken from the session.
class TransferDialog : public SettingsDialog {
    Q_OBJECT
public:
    TransferDialog(SessionState& session, QObject* mainWindow, QWidget* parent = nullptr);

protected:
    void submit() override;
    void replied(const SettingsReply& reply) override;
    void noReply() override;

private:
    void amountRefused();

    CEditBoxEx* m_toAccountEdit;
    CEditBoxEx* m_amountEdit;
    CEditBoxEx* m_passwordEdit;
};
