#pragma once

#include <QLineEdit>
#include <QString>

// A one-line edit drawn inside a picture frame (SetBkgndBitmap is
// setBackgroundPicture): the picture fills the box and the text sits in the
// picture's content area, so "edit-search" keeps its magnifier clear of the text.
class CEditBoxBmp : public QLineEdit {
    Q_OBJECT

public:
    explicit CEditBoxBmp(QWidget* parent = nullptr);

    void setBackgroundPicture(const QString& pictureName);
    QString backgroundPicture() const { return m_picture; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_picture;
};
