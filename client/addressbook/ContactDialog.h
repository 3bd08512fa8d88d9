#pragma once

#include "core/addressbook/ContactForm.h"
#include "core/addressbook/ContactRecord.h"

#include "skin/CDialogEx.h"

#include <functional>
#include <optional>

class CButtonCR;
class CButtonPNG;
class CEditBoxEx;
class CTransparentStatic;
class ServiceCall;
class SessionState;
struct ChangeReply;

// "新增联系人" / "编辑联系人": a modal dialog for one contact, new or edited. "确定"
// checks that a name and a number were typed, then sends the addition or the
// modification on a worker; the dialog waits for the answer (its buttons resting),
// shows the service's text when it refuses, synchronises the book through the
// function its builder hands over when it accepts, and closes either way.
//
// The sex choices are part of the dialog but never shown: a new contact is "男", an
// edited one keeps what it had ("女" for anything but "男").
class ContactDialog : public CDialogEx {
    Q_OBJECT
public:
    // record: the contact edited, copied; none for a new contact.
    ContactDialog(const SessionState& session, std::function<void()> synchronise, std::optional<ContactRecord> record,
        QWidget* parent = nullptr);

    bool isEditing() const { return m_record.has_value(); }
    ContactForm form() const;
    void setForm(const ContactForm& form);

    // "确定". Ends the dialog with Accepted when the service took the change,
    // Rejected when it refused it.
    void save();
    bool isSaving() const { return m_saving; }

    // Cancel, Escape and the close button; ignored while a save waits for its answer,
    // so the dialog cannot close on a change the service may still make.
    void reject() override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void chooseSex(bool male);
    void setSaving(bool saving);
    void saved(const ChangeReply& reply);

    std::optional<ContactRecord> m_record;
    std::function<void()> m_synchronise;
    ServiceCall* m_calls;
    bool m_saving = false;
    CEditBoxEx* m_nameEdit = nullptr;
    CEditBoxEx* m_phoneEdit = nullptr;
    CEditBoxEx* m_emailEdit = nullptr;
    CTransparentStatic* m_sexLabel = nullptr;
    CButtonCR* m_maleRadio = nullptr;
    CButtonCR* m_femaleRadio = nullptr;
    CButtonPNG* m_okButton = nullptr;
    CButtonPNG* m_cancelButton = nullptr;
};
