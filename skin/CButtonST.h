#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QHash>
#include <QString>

class QAction;
class QMenu;

// A picture button that can drop a menu.
//
// setPictures(normal, hover) draws it (SetBitmaps / SetIcon); tooltip, cursor
// (SetBtnCursor), setNoBorder and sizeToContent work as their names say; the parent's
// face always shows through (DrawTransparent).
//
// Menu button (SetMenu): addMenuCommand() builds the menu from command ids and texts;
// a click drops the menu below the button, and choosing an entry emits
// menuCommand(id), the command the window then carries out. dropMenu() is the menu
// itself (for its aboutToShow signal, the SetMenuCallback hook, and for tests).
class CButtonST : public QAbstractButton {
    Q_OBJECT

public:
    explicit CButtonST(QWidget* parent = nullptr);
    ~CButtonST() override;

    void setPictures(const QString& normal, const QString& hover = {});
    QString picture() const { return m_normal; }

    void setNoBorder(bool noBorder);
    void setButtonCursor(Qt::CursorShape shape);
    void sizeToContent();

    QAction* addMenuCommand(int commandId, const QString& text, const QString& pictureName = {});
    void addMenuSeparator();
    void setMenuCommandEnabled(int commandId, bool enabled);
    void clearMenu();
    bool hasMenu() const;
    QMenu* dropMenu() const { return m_menu; }

    QSize sizeHint() const override;

signals:
    void menuCommand(int commandId);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showMenu();

    QString m_normal;
    QString m_hover;
    bool m_noBorder = true;
    QMenu* m_menu = nullptr;
    QHash<int, QAction*> m_commands;
};
