#pragma once

#include <QString>

class MainWindow;

// The account settings as the signed-in account sees them: the main menu with its
// settings entries, and the profile, password, meeting-settings, SMS-signature and
// transfer dialogs filled from the account's profile.
namespace SettingsShots {

void render(MainWindow& mainWindow, const QString& folder);

} // namespace SettingsShots
