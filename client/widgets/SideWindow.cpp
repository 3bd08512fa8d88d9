#include "widgets/SideWindow.h"

#include "skin/Artwork.h"

SideWindow::SideWindow(QWidget* mainWindow, const QString& caption, int width, int height)
    : CDialogEx(mainWindow)
{
    setBackground(QString::fromLatin1(skin::names::FaceDialog));
    setCaption(caption);
    setWindowTitle(caption);
    resize(fromDialogUnits(width, height));
    closeButton();
}

void SideWindow::closeButtonClicked()
{
    hide();
    emit closedByUser();
}
