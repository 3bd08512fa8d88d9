#include "demo/AddressBookShots.h"

#include "demo/Photographs.h"
#include "shell/MainWindow.h"

#include "addressbook/AddressBookWindow.h"
#include "addressbook/ContactDialog.h"
#include "addressbook/ContactPicker.h"
#include "addressbook/ContactsModel.h"
#include "addressbook/ContactsPanel.h"
#include "core/addressbook/AddressBook.h"
#include "core/session/SessionState.h"
#include "skin/CEditBoxEx.h"
#include "skin/CListBoxEx.h"
#include "widgets/ImportFileDialog.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

namespace {

// The search the panel shows: a part of a phone number most demo contacts share.
const QString kSearchText = QStringLiteral("1391111");

void openFirstGroup(ContactsPanel& panel)
{
    const QModelIndex first = panel.model()->index(0, 0);
    if (first.isValid())
        panel.list()->expand(first);
}

void showMode(MainWindow& mainWindow, ContactsPanel& panel, PanelMode mode)
{
    mainWindow.clickTab(MainWindow::ContactsTab);
    panel.SetMode(int(mode));
    openFirstGroup(panel);
    QApplication::processEvents();
}

void typeSearch(MainWindow& mainWindow, const QString& text)
{
    if (auto* box = mainWindow.findChild<QLineEdit*>(QStringLiteral("searchBox")))
        box->setText(text);
    QApplication::processEvents();
}

// A right click on a row of the panel, photographed with the menu it opens.
void photographMenu(
    MainWindow& mainWindow, ContactsPanel& panel, const QModelIndex& row, const QString& folder, const QString& name)
{
    if (!row.isValid())
        return;
    CListBoxEx* list = panel.list();
    list->setCurrentIndex(row);
    const QPoint at = list->visualRect(row).center();
    QMouseEvent release(QEvent::MouseButtonRelease, at, list->viewport()->mapToGlobal(at), Qt::RightButton,
        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &release);
    if (QMenu* menu = panel.contextMenu()) {
        Photographs::saveWithPopup(&mainWindow, menu, list->viewport()->mapTo(&mainWindow, at), folder, name);
        menu->close();
    }
}

void photographPanel(MainWindow& mainWindow, ContactsPanel& panel, const QString& folder)
{
    showMode(mainWindow, panel, PanelMode::ConferenceGroups);
    Photographs::save(&mainWindow, folder, QStringLiteral("contacts-panel-conference-groups.png"));
    showMode(mainWindow, panel, PanelMode::ContactGroups);
    Photographs::save(&mainWindow, folder, QStringLiteral("contacts-panel-contact-groups.png"));
    const QModelIndex firstGroup = panel.model()->index(0, 0);
    photographMenu(mainWindow, panel, firstGroup, folder, QStringLiteral("contacts-panel-group-menu.png"));
    photographMenu(mainWindow, panel, panel.model()->index(0, 0, firstGroup), folder,
        QStringLiteral("contacts-panel-contact-menu.png"));
    typeSearch(mainWindow, kSearchText);
    Photographs::save(&mainWindow, folder, QStringLiteral("contacts-panel-search.png"));
    typeSearch(mainWindow, QString());
    showMode(mainWindow, panel, PanelMode::ContactGroups);
}

void photographWindowPages(MainWindow& mainWindow, const QString& folder)
{
    AddressBookWindow* window = mainWindow.addressBookWindow();
    mainWindow.runCommand(MainWindow::ManageAddressBook);
    window->ShowRow(-1, 0);
    Photographs::saveSideBySide(&mainWindow, window, folder, QStringLiteral("addressbook-group-page.png"));
    window->ShowRow(0, 0);
    Photographs::saveSideBySide(&mainWindow, window, folder, QStringLiteral("addressbook-contact-page.png"));
    window->showNewGroup();
    Photographs::saveSideBySide(&mainWindow, window, folder, QStringLiteral("addressbook-new-group-page.png"));
    window->ShowRow(-1, 0);
}

void photographDialogs(MainWindow& mainWindow, const QString& folder)
{
    const SessionState& session = mainWindow.session();
    const AddressBook& book = session.addressBook();
    if (book.contactCount() > 0) {
        ContactDialog contact(session, {}, book.contacts().front(), &mainWindow);
        Photographs::save(&contact, folder, QStringLiteral("contact-dialog.png"));
    }
    ImportFileDialog import(&mainWindow);
    import.pathEdit()->setText(QStringLiteral("/home/demo/通讯录.xlsx"));
    Photographs::save(&import, folder, QStringLiteral("import-dialog.png"));
    if (book.groupCount(PanelMode::ConferenceGroups) > 0) {
        ContactPicker picker(session, {}, book.groupSlot(PanelMode::ConferenceGroups, 0), &mainWindow);
        Photographs::save(&picker, folder, QStringLiteral("contact-picker.png"));
    }
}

} // namespace

namespace AddressBookShots {

void render(MainWindow& mainWindow, const QString& folder)
{
    ContactsPanel* panel = mainWindow.contactsPanel();
    photographPanel(mainWindow, *panel, folder);
    photographWindowPages(mainWindow, folder);
    photographDialogs(mainWindow, folder);
}

} // namespace AddressBookShots
