#pragma once

#include "widgets/SideWindow.h"

class ContactsPanel;

// "通信录管理": edits the address book in detail, with the contacts panel as its
// navigator. A row the user clicks in the panel arrives from the main window as
// WM_USER+11 (wParam = member index, lParam = group index) and goes to ShowRow().
class AddressBookWindow : public SideWindow {
    Q_OBJECT
public:
    explicit AddressBookWindow(QWidget* mainWindow);

    void setPartner(ContactsPanel* panel) { m_partner = panel; }
    ContactsPanel* partner() const { return m_partner; }

    // Shows the page for a contacts-panel row: (-1, -1) resets to no group.
    void ShowRow(int parent, int index);
    int lastParent() const { return m_lastParent; }
    int lastIndex() const { return m_lastIndex; }

    bool isGroupPageVisible() const;
    // Fills the group page again after the address book was reloaded.
    void RebuildGroupPage();
    int groupPageRebuilds() const { return m_groupPageRebuilds; }

protected:
    bool event(QEvent* event) override;

private:
    ContactsPanel* m_partner = nullptr;
    int m_lastParent = -1;
    int m_lastIndex = -1;
    int m_groupPageRebuilds = 0;
};
