#include "account/BillQueryWindow.h"

BillQueryWindow::BillQueryWindow(QWidget* mainWindow)
    : SideWindow(mainWindow, tr("详单查询"), 446, 438)
{
    setObjectName(QStringLiteral("billQueryWindow"));
}
