#pragma once

#include "skin/CDialogEx.h"

#include <QString>
#include <QStringList>

class CButtonPNG;
class QLabel;

// The program's own message box, used for every error, confirmation and result.
// Run it modally; the result is Ok or Cancel, and its close button gives Cancel.
// The title is kept with the box but not drawn.
//
// Tests answer boxes through setNextAnswer(): a queued answer makes the next box
// return at once without showing, so nested modal boxes never block. The texts of
// the boxes answered that way are kept for the test to read.
class MessageBoxDialog : public CDialogEx {
    Q_OBJECT
public:
    enum Answer { Ok = 1, Cancel = 2 };

    explicit MessageBoxDialog(QWidget* parent = nullptr);
    ~MessageBoxDialog() override;

    void set(const QString& text, const QString& title, bool withCancel);
    QString text() const { return m_text; }
    QString title() const { return m_title; }
    bool withCancel() const { return m_withCancel; }

    int exec() override;
    void reject() override;

    CButtonPNG* okButton() const { return m_okButton; }
    CButtonPNG* cancelButton() const { return m_cancelButton; }

    // Sets up a box and runs it: the everyday way to tell the user something.
    static int run(QWidget* parent, const QString& text, const QString& title, bool withCancel = false);

    // Test seam.
    static void setNextAnswer(int answer);
    static void clearNextAnswers();
    static int pendingAnswers();
    static QStringList answeredTexts();
    static void clearAnsweredTexts();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void placeButtons();

    QString m_text;
    QString m_title;
    bool m_withCancel = false;
    QLabel* m_textLabel;
    CButtonPNG* m_okButton;
    CButtonPNG* m_cancelButton;
};
