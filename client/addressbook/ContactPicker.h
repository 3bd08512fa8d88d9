#pragma once

#include "core/addressbook/GroupRef.h"

#include "skin/CDialogEx.h"

#include <functional>

class CButtonCR;
class CButtonPNG;
class ContactListView;
class ContactTableModel;
class ServiceCall;
class SessionState;
struct GroupEntry;
struct MemberAdditionReply;

// "选择联系人": adds contacts of the book to one group. It lists the contacts the
// group can take (for a contact group those in no contact group, for a conference
// group every contact), each with a check box, and "全选". "选好了" adds the checked
// contacts on a worker, one service call each, under the progress dialog; then it
// shows the service's text for each contact refused, synchronises the book (the
// builder's function) and closes. With nothing checked it just closes. A cancel of
// the progress dialog stops the adding where it is; the contacts added stay, and the
// book is synchronised all the same.
class ContactPicker : public CDialogEx {
    Q_OBJECT
public:
    ContactPicker(const SessionState& session, std::function<void()> synchronise, const GroupEntry& target,
        QWidget* parent = nullptr);

    const GroupRef& target() const { return m_target; }
    ContactTableModel* model() const { return m_model; }
    ContactListView* list() const { return m_list; }

    // "选好了". Ends the dialog with Accepted once the adding is over.
    void choose();
    bool isAdding() const { return m_adding; }

    // Cancel and the close button; ignored while the adding runs (its own progress
    // dialog cancels it).
    void reject() override;

protected:
    bool event(QEvent* event) override;

private:
    void setAdding(bool adding);
    void added(const MemberAdditionReply& reply);

    GroupRef m_target;
    std::function<void()> m_synchronise;
    ServiceCall* m_calls;
    bool m_adding = false;
    ContactTableModel* m_model;
    ContactListView* m_list;
    CButtonCR* m_selectAllCheck;
    CButtonPNG* m_chooseButton;
    CButtonPNG* m_cancelButton;
};
