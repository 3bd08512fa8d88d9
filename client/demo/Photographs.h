#pragma once

#include <QPoint>
#include <QString>

class QWidget;

// Saving pictures of windows into the tour's folder, alone or as the user sees them
// together. Each reports on stderr when a file could not be written.
namespace Photographs {

void save(QWidget* widget, const QString& folder, const QString& name);
// A side window glued to the right edge of the window it belongs to.
void saveSideBySide(QWidget* left, QWidget* right, const QString& folder, const QString& name);
// A pop-up (a context menu) drawn over a window at its place on that window.
void saveWithPopup(QWidget* window, QWidget* popup, QPoint at, const QString& folder, const QString& name);

} // namespace Photographs
