#pragma once

#include <QString>

class MainWindow;

// The address book as the signed-in account has it: the contacts panel with a group
// open, the conference groups, a search and a context menu; the management window
// with each of its pages; the contact dialog, the import dialog and the picker.
// The panel is left showing the contact groups, as after a sign-in.
namespace AddressBookShots {

void render(MainWindow& mainWindow, const QString& folder);

} // namespace AddressBookShots
