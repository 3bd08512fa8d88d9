#pragma once

#include <QString>

class MainWindow;

// The SMS page as the menu command brings it up: the account's signature, a notice
// close to the length limit and recipients taken from a contact group and typed.
namespace SmsShots {

void render(MainWindow& mainWindow, const QString& folder);

} // namespace SmsShots
