#pragma once

#include <QString>

class MainWindow;

// The account windows with the demo account's data: the bills of the last two
// months in both tabs (with their totals and chart) and searched, and the
// recordings of the same months.
namespace AccountShots {

void render(MainWindow& mainWindow, const QString& folder);

} // namespace AccountShots
