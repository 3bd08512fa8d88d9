#pragma once

#include "widgets/SideWindow.h"

// "录音试听": the recordings of the account's conferences, played on a double click.
class RecordingWindow : public SideWindow {
    Q_OBJECT
public:
    explicit RecordingWindow(QWidget* mainWindow);
};
