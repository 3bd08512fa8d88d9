#pragma once

#include "core/addressbook/GroupRef.h"

#include "skin/CDialogEx.h"

#include <functional>

class CButtonPNG;
class CEditBoxEx;
class ServiceCall;
class SessionState;
struct ChangeReply;
struct GroupEntry;

// Renames a contact group or a conference group: a modal dialog with the group's
// name to edit. "确定" with an empty name does nothing; with the group's own name it
// just closes; otherwise it sends the rename of the group's kind on a worker, waits
// for the answer, shows the service's text when it refuses, synchronises the book
// (the builder's function) when it accepts, and closes.
class GroupNameDialog : public CDialogEx {
    Q_OBJECT
public:
    GroupNameDialog(const SessionState& session, std::function<void()> synchronise, const GroupEntry& group,
        QWidget* parent = nullptr);

    const GroupRef& group() const { return m_group; }
    QString typedName() const;

    // "确定". Ends the dialog with Accepted after a rename the service took or for
    // the same name, Rejected after a refusal.
    void confirm();
    bool isSaving() const { return m_saving; }

    // Ignored while the rename waits for its answer.
    void reject() override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setSaving(bool saving);
    void renamed(const ChangeReply& reply);

    GroupRef m_group;
    std::function<void()> m_synchronise;
    ServiceCall* m_calls;
    bool m_saving = false;
    CEditBoxEx* m_nameEdit;
    CButtonPNG* m_okButton;
    CButtonPNG* m_cancelButton;
};
