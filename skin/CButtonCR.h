#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QString>

// A check box drawn with two pictures, one per state, followed by its text.
//
// setPictures(unchecked, checked) is SetIcon; SetCheck / GetCheck are setChecked /
// isChecked; the parent's face always shows through (DrawTransparent). A click
// toggles the box and emits toggled() and clicked(). setRadioLike(true) makes a
// radio-style box: a click on a checked box leaves it checked, and the window
// unchecks its partners in its clicked() handler.
class CButtonCR : public QAbstractButton {
    Q_OBJECT

public:
    explicit CButtonCR(QWidget* parent = nullptr);
    explicit CButtonCR(const QString& text, QWidget* parent = nullptr);

    void setPictures(const QString& unchecked, const QString& checked);
    QString uncheckedPicture() const { return m_unchecked; }
    QString checkedPicture() const { return m_checked; }

    void setRadioLike(bool radioLike);
    bool isRadioLike() const { return m_radioLike; }

    void setTextColor(const QColor& colour);

    QSize sizeHint() const override;

protected:
    void nextCheckState() override;
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    int boxSize() const;

    QString m_unchecked;
    QString m_checked;
    bool m_radioLike = false;
    QColor m_textColor;
};
