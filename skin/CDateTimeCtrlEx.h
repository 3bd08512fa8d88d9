#pragma once

#include <QDateTimeEdit>

// A skinned date-time picker: an edit for the date and time with a drop-down
// calendar. The format is QDateTimeEdit's display format ("yyyy-MM-dd" for the
// date-only pickers of the windows).
class CDateTimeCtrlEx : public QDateTimeEdit {
    Q_OBJECT

public:
    explicit CDateTimeCtrlEx(QWidget* parent = nullptr);
};
