#pragma once

#include <QString>

class MainWindow;

// The scheduled-meeting page with the signed-in account: a new booking being
// composed, the booking looked at after it was made (opened from the booked list),
// and the same booking being edited.
namespace BookingShots {

void render(MainWindow& mainWindow, const QString& folder);

} // namespace BookingShots
