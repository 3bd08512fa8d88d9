#pragma once

#include "account/SettingsDialog.h"

// "设置短信签名". The typed signature becomes the session's at once. A refusal is
// shown twice: in a plain system box first, then in the program's own.
class SmsSignatureDialog : public SettingsDialog {
    Q_OBJECT
public:
    SmsSignatureDialog(SessionState& session, QObject* mainWindow, QWidget* parent = nullptr);

protected:
    void submit() override;
    void replied(const SettingsReply& reply) override;

private:
    CEditBoxEx* m_smsSignatureEdit;
};
