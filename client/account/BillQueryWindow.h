#pragma once

#include "widgets/SideWindow.h"

// "详单查询": the account's conference and SMS charges for a date range.
class BillQueryWindow : public SideWindow {
    Q_OBJECT
public:
    explicit BillQueryWindow(QWidget* mainWindow);
};
