#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The open and save dialogs the program asks for file names with. Each filter is one
// "description (*.ext)" entry; the first is chosen at first.
//
// Tests answer the dialogs through setNextAnswer(): a queued answer (a path, or an
// empty text for Cancel) is returned at once without showing a dialog.
class FileDialog {
public:
    // The save dialog asks before overwriting and needs an existing folder. A name
    // typed without an ending gets the ending of the chosen filter.
    static QString saveFileName(QWidget* parent, const QString& title, const QStringList& filters);
    static QString openFileName(QWidget* parent, const QString& title, const QStringList& filters);

    // Test seam.
    static void setNextAnswer(const QString& path);
    static void clearNextAnswers();
    static int pendingAnswers();
};
