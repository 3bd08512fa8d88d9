#pragma once

#include <QString>

class MainWindow;

// The conference workspace with the signed-in account: the instant page composing a
// conference, then running it with members ringing, joined and talking, the running
// conferences in the main window's meetings panel, and the booked ones.
namespace ConferenceShots {

void render(MainWindow& mainWindow, const QString& folder);

} // namespace ConferenceShots
