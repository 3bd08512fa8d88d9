#pragma once

#include "skin/CDialogEx.h"

// "关于 Corvana": the program's name, version and home page. OK and the close
// button end it.
class AboutDialog : public CDialogEx {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};
