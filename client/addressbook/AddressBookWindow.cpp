#include "addressbook/AddressBookWindow.h"

#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"

AddressBookWindow::AddressBookWindow(QWidget* mainWindow)
    : SideWindow(mainWindow, tr("通信录管理"), 446, 438)
{
    setObjectName(QStringLiteral("addressBookWindow"));
}

void AddressBookWindow::ShowRow(int parent, int index)
{
    m_lastParent = parent;
    m_lastIndex = index;
}

bool AddressBookWindow::isGroupPageVisible() const
{
    // The group page is the one shown for a group header row.
    return isVisible() && m_lastParent < 0 && m_lastIndex >= 0;
}

void AddressBookWindow::RebuildGroupPage()
{
    ++m_groupPageRebuilds;
}

bool AddressBookWindow::event(QEvent* event)
{
    if (AppEvent::messageOf(event) != Msg::ContactRowClicked)
        return SideWindow::event(event);
    const auto* row = static_cast<AppEvent*>(event);
    ShowRow(int(row->lParam()), int(row->wParam()));
    return true;
}
