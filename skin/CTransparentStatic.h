#pragma once

#include <QColor>
#include <QLabel>

// A label that lets its parent's face show through (the default), or sits on a plain
// colour (setBackgroundColor, the SetBKColor of the windows; an invalid colour goes
// back to transparent). Presses pass through to the window, so a label is part of the
// face a user drags.
class CTransparentStatic : public QLabel {
    Q_OBJECT

public:
    explicit CTransparentStatic(QWidget* parent = nullptr);
    explicit CTransparentStatic(const QString& text, QWidget* parent = nullptr);

    void setBackgroundColor(const QColor& colour);
    QColor backgroundColor() const { return m_background; }
    void setTextColor(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_background;
};
