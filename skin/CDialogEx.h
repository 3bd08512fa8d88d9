#pragma once

#include <QDialog>
#include <QPoint>
#include <QString>

class CButtonPNG;

// A caption-less dialog whose whole face is painted from a picture.
//
//  - setBackground(name) chooses the face (SetBgJpg); the face's title band is the
//    picture's top content margin (titleBandHeight()), and setCaption() writes a
//    title into it.
//  - A left press anywhere on the face that no control takes moves the window:
//    through the window system where it can (QWindow::startSystemMove), otherwise by
//    following the mouse. Labels and transparent statics pass their presses on, so
//    they drag too; buttons, edits and lists keep theirs.
//  - closeButton() is the window's control 1001: a picture button at the top right of
//    the title band that runs closeButtonClicked() (reject() unless a window says
//    otherwise); minimiseButton() sits left of it.
//  - Placement::Child makes a page embedded in another window: no frame, no title
//    band and the plain face colour unless it is given a background; a press on it
//    moves the window it sits in, and Enter and Escape go to that window.
//
// Widgets and pictures are GUI-thread only.
class CDialogEx : public QDialog {
    Q_OBJECT

public:
    enum class Placement { Window, Child };

    explicit CDialogEx(QWidget* parent = nullptr, Placement placement = Placement::Window);
    ~CDialogEx() override;

    void setBackground(const QString& pictureName);
    QString background() const { return m_background; }

    void setCaption(const QString& text);
    QString caption() const { return m_caption; }

    int titleBandHeight() const;
    QRect contentRect() const; // the face below the title band

    CButtonPNG* closeButton();
    CButtonPNG* minimiseButton();

    // Template sizes are given in dialog units of the 8-point dialog font.
    static QSize fromDialogUnits(int width, int height);
    static QRect fromDialogUnits(int x, int y, int width, int height);

signals:
    void dragStarted();

protected:
    virtual void closeButtonClicked();
    virtual void minimiseButtonClicked();

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void placeTitleButtons();
    void updateMask();

    Placement m_placement;
    QString m_background;
    QString m_caption;
    CButtonPNG* m_closeButton = nullptr;
    CButtonPNG* m_minimiseButton = nullptr;
    bool m_following = false; // moving by following the mouse
    QPoint m_grabOffset; // press point relative to the window's top left, global coordinates
};
