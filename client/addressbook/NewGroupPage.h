#pragma once

#include "core/addressbook/GroupKind.h"

#include "skin/CDialogEx.h"

class AddressBookWindow;
class CButtonPNG;
class CEditBoxEx;
class CTransparentStatic;
class ServiceCall;
class SessionState;
struct ChangeReply;

// The management window's page that creates a group of one kind ("新建联系人组" or
// "新建会议组"): a name, "保存" and "取消". "保存" with a name adds the group on a
// worker; the service's text shows when it refuses, and when it accepts the page
// asks its window to synchronise the book; the page closes either way. "取消" closes
// it and goes back to the last group shown.
class NewGroupPage : public CDialogEx {
    Q_OBJECT
public:
    NewGroupPage(const SessionState& session, AddressBookWindow* window, QWidget* parent);

    // Opens the page, empty, for a group of kind.
    void openFor(GroupKind kind);
    GroupKind kind() const { return m_kind; }
    QString title() const;

    void save(); // "保存"
    void cancel(); // "取消" and the close button
    bool isSaving() const { return m_saving; }

protected:
    bool event(QEvent* event) override;
    void closeButtonClicked() override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setSaving(bool saving);
    void saved(const ChangeReply& reply);

    AddressBookWindow* m_window;
    ServiceCall* m_calls;
    GroupKind m_kind = GroupKind::ContactGroup;
    bool m_saving = false;
    CTransparentStatic* m_titleLabel;
    CTransparentStatic* m_nameLabel;
    CEditBoxEx* m_nameEdit;
    CButtonPNG* m_saveButton;
    CButtonPNG* m_cancelButton;
};
