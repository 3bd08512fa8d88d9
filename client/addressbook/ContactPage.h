#pragma once

#include "core/addressbook/ContactForm.h"
#include "core/addressbook/ContactRecord.h"

#include "skin/CDialogEx.h"

#include <optional>

class AddressBookWindow;
class CButtonCR;
class CButtonPNG;
class CEditBoxEx;
class CTransparentStatic;
class ServiceCall;
class SessionState;
struct ChangeReply;

// The management window's page for one contact: name, number and e-mail address
// (the sex is kept, not shown). "保存" stores the contact shown, or adds a new one,
// on a worker; the service's text shows when it refuses, and when it accepts the page
// asks its window to synchronise the book (a new contact's fields clear for the
// next). The page forgets the contact after each save, so a further "保存" adds what
// the fields hold as a new contact. "取消" clears the fields and goes back to the
// last group shown.
class ContactPage : public CDialogEx {
    Q_OBJECT
public:
    ContactPage(const SessionState& session, AddressBookWindow* window, QWidget* parent);

    // Fills the page for record (copied), or empty for a new contact.
    void showContact(std::optional<ContactRecord> record);
    const std::optional<ContactRecord>& record() const { return m_record; }
    ContactForm form() const;
    void setForm(const ContactForm& form);

    void save(); // "保存"
    void cancel(); // "取消"
    bool isSaving() const { return m_saving; }

protected:
    bool event(QEvent* event) override;

private:
    struct Answer;

    void chooseSex(bool male);
    void setSaving(bool saving);
    void saved(const Answer& answer);

    AddressBookWindow* m_window;
    ServiceCall* m_calls;
    std::optional<ContactRecord> m_record;
    bool m_saving = false;
    CEditBoxEx* m_nameEdit;
    CEditBoxEx* m_phoneEdit;
    CEditBoxEx* m_emailEdit;
    CTransparentStatic* m_sexLabel;
    CButtonCR* m_maleRadio;
    CButtonCR* m_femaleRadio;
    CButtonPNG* m_saveButton;
    CButtonPNG* m_cancelButton;
};
