#pragma once

#include "skin/CDialogEx.h"

class CButtonCR;
class CButtonPNG;
struct SavedAccount;

// Asked when the main window's close button is pressed: hide to the notification
// area, or end the program. The choice is written straight into the saved account
// in use (exitormin), so it also decides what the next close does; it reaches the
// options file with the next save. OK and Cancel end the prompt; its own close
// button does nothing.
class ExitPromptDialog : public CDialogEx {
    Q_OBJECT
public:
    // account: the saved account in use; without one the choice lasts for this prompt only.
    ExitPromptDialog(SavedAccount* account, QWidget* parent = nullptr);

    // 0: end the program; otherwise hide it.
    int exitOrMinimise() const { return m_exitormin; }

protected:
    void closeButtonClicked() override;

private:
    void chooseMinimise();
    void chooseExit();
    void setNeverShow(bool neverShow);

    SavedAccount* m_account;
    int m_exitormin = 0;
    CButtonCR* m_minimiseCheck;
    CButtonCR* m_exitCheck;
    CButtonCR* m_neverShowCheck;
    CButtonPNG* m_okButton;
    CButtonPNG* m_cancelButton;
};
