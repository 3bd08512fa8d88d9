#pragma once

#include "account/SettingsDialog.h"

#include "core/account/SettingsRules.h"
#include "core/session/MemberProfile.h"

class CButtonCR;
class CComboBoxEt;

// "账号设置": the member profile, edited and saved with ClientPrivateInfo. The host
// number, SMS signature and contact name go back as the session has them. A save the
// service takes is announced to the main window (ProfileSaved), which reloads the
// profile; the session's copy is not changed here.
class ProfileDialog : public SettingsDialog {
    Q_OBJECT
public:
    ProfileDialog(SessionState& session, QObject* mainWindow, QWidget* parent = nullptr);

    // What the controls hold, as a profile (the texts as typed).
    MemberProfile typedProfile() const;
    settingsRules::SexChoice sexChoice() const;
    void chooseSex(settingsRules::SexChoice choice);

protected:
    void submit() override;
    void replied(const SettingsReply& reply) override;
    bool event(QEvent* event) override;

private:
    void buildControls();
    void fill(const MemberProfile& profile);

    CComboBoxEt* m_idTypeCombo = nullptr;
    CButtonCR* m_maleRadio = nullptr;
    CButtonCR* m_femaleRadio = nullptr;
    CButtonCR* m_otherRadio = nullptr;
    CEditBoxEx* m_idNumberEdit = nullptr;
    CEditBoxEx* m_contactPhoneEdit = nullptr;
    CEditBoxEx* m_emailEdit = nullptr;
    CEditBoxEx* m_streetEdit = nullptr;
    CEditBoxEx* m_cityEdit = nullptr;
    CEditBoxEx* m_provinceEdit = nullptr;
    CEditBoxEx* m_countryEdit = nullptr;
    CEditBoxEx* m_postcodeEdit = nullptr;
    CEditBoxEx* m_remarkEdit = nullptr;
};
