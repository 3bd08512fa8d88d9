#pragma once

#include "core/addressbook/AddressBookChange.h"
#include "core/addressbook/GroupRef.h"

#include "skin/CDialogEx.h"

#include <QPointer>

#include <optional>
#include <string>
#include <vector>

class AddressBookWindow;
class CButtonCR;
class CButtonPNG;
class CEditBoxBmp;
class CEditBoxEx;
class CTransparentStatic;
class ContactListView;
class ContactTableModel;
class ProgressDialog;
class ServiceCall;
class SessionState;
struct GroupEntry;

// The management window's page for one group: its kind and name (to rename it or
// delete it), a search over its members, and the members (a list over a
// ContactTableModel with check boxes, a click beside a box ticks it) with "全选",
// "新增" (the contact picker), "移出" (out of this group) and "删除" (out of the
// address book, whatever the group's kind). The ungrouped contacts are no group at
// the service: only their "删除" works.
//
// The page keeps the group by kind and id and fills itself from the book, so a
// reload shows the same group, or none once it is gone. Its changes run as one
// ServiceCall job each; after a change it asks its window to synchronise the book
// and waits under the progress dialog until the next fill, which the main window
// makes once the loads are in.
class GroupPage : public CDialogEx {
    Q_OBJECT
public:
    GroupPage(SessionState& session, AddressBookWindow* window, QWidget* parent);
    ~GroupPage() override;

    // Shows group (none: an empty page) and fills the page.
    void showGroup(const GroupEntry* group);
    // Fills the page again from the book: after a load, on every change of the search.
    void fill();
    const std::optional<GroupRef>& group() const { return m_group; }

    ContactTableModel* model() const { return m_model; }
    ContactListView* list() const { return m_list; }

    // The page's buttons.
    void renameGroup(); // "修改"
    void deleteGroup(); // "删除" beside the name
    void addMembers(); // "新增"
    void removeMembers(); // "移出"
    void deleteContacts(); // "删除" below the list
    bool isBusy() const { return m_busy; }
    bool isWaiting() const { return !m_wait.isNull(); }

protected:
    bool event(QEvent* event) override;

private:
    enum class Operation { Rename, DeleteGroup, RemoveMembers, DeleteContacts };
    struct Answer;

    void buildControls();
    const GroupEntry* shownGroup() const;
    std::vector<int> checkedLastFirst() const;
    void start(Operation operation, std::vector<AddressBookChange> changes, const std::string& newName = {});
    void setBusy(bool busy);
    void answered(const Answer& answer);
    void synchroniseAndWait();

    SessionState& m_session;
    AddressBookWindow* m_window;
    ServiceCall* m_calls;
    std::optional<GroupRef> m_group;
    bool m_busy = false;
    QPointer<ProgressDialog> m_wait;
    CTransparentStatic* m_kindLabel;
    CEditBoxEx* m_nameEdit;
    CButtonPNG* m_renameButton;
    CButtonPNG* m_deleteGroupButton;
    CEditBoxBmp* m_searchEdit;
    ContactTableModel* m_model;
    ContactListView* m_list;
    CButtonCR* m_selectAllCheck;
    CButtonPNG* m_addButton;
    CButtonPNG* m_removeButton;
    CButtonPNG* m_deleteContactsButton;
};
