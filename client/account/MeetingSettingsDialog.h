#pragma once

#include "account/SettingsDialog.h"

// "会议设置": the default host number and the SMS signature. What was typed becomes
// the session's profile as soon as "确定" is pressed, whatever the service answers.
class MeetingSettingsDialog : public SettingsDialog {
    Q_OBJECT
public:
    MeetingSettingsDialog(SessionState& session, QObject* mainWindow, QWidget* parent = nullptr);

protected:
    void submit() override;
    void replied(const SettingsReply& reply) override;

private:
    CEditBoxEx* m_hostNumberEdit;
    CEditBoxEx* m_smsSignatureEdit;
};
