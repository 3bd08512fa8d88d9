#pragma once

#include <QComboBox>

// A skinned drop-down combo box with an edit field (setEditable(false) makes it a
// plain drop-down list). Frame, arrow and the dropped list share the look of the
// program's edit boxes and lists.
class CComboBoxEt : public QComboBox {
    Q_OBJECT

public:
    explicit CComboBoxEt(QWidget* parent = nullptr);
};
