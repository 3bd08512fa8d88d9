#include "account/RecordingWindow.h"

RecordingWindow::RecordingWindow(QWidget* mainWindow)
    : SideWindow(mainWindow, tr("录音试听"), 446, 438)
{
    setObjectName(QStringLiteral("recordingWindow"));
}
