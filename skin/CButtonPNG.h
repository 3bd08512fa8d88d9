#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QString>

// A push button drawn from a picture, with an optional caption.
//
// setImage(name) picks the picture (SetImageFromRes); hovered, pressed and disabled
// looks come from the picture's state files or are derived from it. A button has a
// first and a second picture: setNormalPicIndex(1) shows the second one
// ("<name>-alt": the active tab, the busy start button), and so does a checked
// check-box button (SetCheckBox / SetCheck / GetCheck are setCheckable / setChecked /
// isChecked). setPictureOnly(true) makes a decoration: the picture as it is, without
// state looks or caption. The caption is the button's text (SetWindowText), in the
// button's font (SetFontEx) and in two colours (SetFontColor): the first at rest, the
// second while hovered, pressed, checked or showing the second picture.
class CButtonPNG : public QAbstractButton {
    Q_OBJECT

public:
    explicit CButtonPNG(QWidget* parent = nullptr);
    explicit CButtonPNG(const QString& text, QWidget* parent = nullptr);

    void setImage(const QString& pictureName);
    QString image() const { return m_image; }

    void setPictureOnly(bool pictureOnly);
    bool isPictureOnly() const { return m_pictureOnly; }

    void setNormalPicIndex(int index);
    int normalPicIndex() const { return m_picIndex; }

    // SetStringAlignment: 0 puts the caption at the left, 1 centres it.
    void setStringAlignment(int alignment);
    void setTextAlignment(Qt::Alignment alignment);
    Qt::Alignment textAlignment() const { return m_alignment; }

    void setTextColors(const QColor& normal, const QColor& active);
    QColor textColor() const; // the colour the caption is drawn in now

    // The picture currently shown, with its state suffix: "tab-alt", "button-primary".
    QString shownPicture() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool showsSecondPicture() const;

    QString m_image;
    bool m_pictureOnly = false;
    int m_picIndex = 0;
    Qt::Alignment m_alignment = Qt::AlignCenter;
    QColor m_normalColor;
    QColor m_activeColor;
};
