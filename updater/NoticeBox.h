#pragma once

#include "skin/CDialogEx.h"

#include <QString>

class QLabel;

// The updater's message box: one text and OK, in the client's look. The title is
// kept as the window title (the face has no room to draw it).
class NoticeBox : public CDialogEx {
    Q_OBJECT
public:
    NoticeBox(const QString& text, const QString& title, QWidget* parent = nullptr);

    QString text() const;

    static void run(QWidget* parent, const QString& text, const QString& title);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* m_textLabel;
};
