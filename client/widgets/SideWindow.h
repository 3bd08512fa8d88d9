#pragma once

#include "skin/CDialogEx.h"

// A window that opens glued to the right of the main window (workspace, address
// book, recordings, bills). Its close button only hides it; the main window hears
// of that through closedByUser() and forgets the window was open.
class SideWindow : public CDialogEx {
    Q_OBJECT
public:
    // width and height in dialog units; the main window later sets the height to its own.
    SideWindow(QWidget* mainWindow, const QString& caption, int width, int height);

signals:
    void closedByUser();

protected:
    void closeButtonClicked() override;
};
