#pragma once

#include <QString>

class MainWindow;

// The conference workspace's meeting list with the account's past conferences, all
// of them and narrowed by a search, and its room page with passwords and dial-in
// numbers.
namespace MeetingListShots {

void render(MainWindow& mainWindow, const QString& folder);

} // namespace MeetingListShots
