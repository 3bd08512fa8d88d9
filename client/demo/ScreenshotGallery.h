#pragma once

#include <QString>
#include <QStringList>

// Renders windows offscreen into PNG files, for the screenshots script and for
// looking at the program without a display. Each function writes its files into
// folder (created when missing) and returns the paths it wrote.
namespace ScreenshotGallery {

// The login dialog idle and busy, the message box with and without Cancel, the
// progress dialog, and sample meeting and operation lists.
QStringList renderCommonDialogs(const QString& folder);

} // namespace ScreenshotGallery
