#pragma once

#include <QColor>
#include <QLineEdit>

// A one-line edit on a plain skinned frame: a background colour, a frame colour
// (SetBackgroundColor, SetFrameColor) and a brand-blue frame while it has the focus.
// SetToolTipsText is setToolTip and GetWindowTextEx is text(); the password box is
// an ordinary setEchoMode(QLineEdit::Password).
class CEditBoxEx : public QLineEdit {
    Q_OBJECT

public:
    explicit CEditBoxEx(QWidget* parent = nullptr);

    void setBackgroundColor(const QColor& colour);
    void setFrameColor(const QColor& colour);
    void setFocusFrameColor(const QColor& colour);

private:
    void applyStyle();

    QColor m_background;
    QColor m_frame;
    QColor m_focusFrame;
};
