#pragma once

#include "core/addressbook/PanelMode.h"

#include "widgets/SideWindow.h"

#include <functional>

class CButtonPNG;
class ContactFileTransfer;
class ContactPage;
class ContactsPanel;
class GroupPage;
class NewGroupPage;
class SessionState;

// "通信录管理": edits the address book in detail, with the contacts panel as its
// navigator. A row the user clicks in the panel arrives from the main window as
// WM_USER+11 (wParam = member index, lParam = group index) and goes to ShowRow():
// a group's row shows the GroupPage, a contact's row the ContactPage. Across the top:
// synchronise, a new contact (the ContactPage, empty), a new group (the NewGroupPage,
// of the panel's kind), import and export. The pages ask the window to show the last
// group again (WM_USER+14) and to synchronise the book (WM_USER+26), which it does
// through the function its builder hands over. At most one page shows at a time.
class AddressBookWindow : public SideWindow {
    Q_OBJECT
public:
    AddressBookWindow(SessionState& session, QWidget* mainWindow);
    ~AddressBookWindow() override;

    void setPartner(ContactsPanel* panel) { m_partner = panel; }
    ContactsPanel* partner() const { return m_partner; }
    void setSynchronise(std::function<void()> synchronise) { m_synchronise = std::move(synchronise); }
    void Synchronise();

    // Shows the page for a contacts-panel row: a group (parent -1; index -1 is the
    // first group) or a member.
    void ShowRow(int parent, int index);
    int lastParent() const { return m_lastParent; }
    int lastIndex() const { return m_lastIndex; }
    // The last group row shown (-1 before any).
    int lastGroupPosition() const { return m_lastGroupPosition; }

    // Button 1138: the contact page, empty, for a new contact.
    void showNewContact();
    // Button 1129: the new-group page for the panel's kind of group.
    void showNewGroup();

    bool isGroupPageVisible() const;
    // Fills the group page again after the address book was reloaded.
    void RebuildGroupPage();
    int groupPageRebuilds() const { return m_groupPageRebuilds; }

    GroupPage* groupPage() const { return m_groupPage; }
    ContactPage* contactPage() const { return m_contactPage; }
    // Created on first use.
    NewGroupPage* newGroupPage() const { return m_newGroupPage; }
    ContactFileTransfer* fileTransfer() const { return m_transfer; }

protected:
    bool event(QEvent* event) override;
    void minimiseButtonClicked() override;

private:
    // The panel's table; while it searches, its rows name places in the contact groups.
    PanelMode rowMode() const;
    void showOnly(QWidget* page);

    SessionState& m_session;
    ContactsPanel* m_partner = nullptr;
    std::function<void()> m_synchronise;
    int m_lastParent = -1;
    int m_lastIndex = -1;
    int m_lastGroupPosition = -1;
    int m_groupPageRebuilds = 0;
    QWidget* m_pageArea;
    ContactPage* m_contactPage;
    GroupPage* m_groupPage;
    NewGroupPage* m_newGroupPage = nullptr;
    CButtonPNG* m_importButton;
    CButtonPNG* m_exportButton;
    ContactFileTransfer* m_transfer;
};
