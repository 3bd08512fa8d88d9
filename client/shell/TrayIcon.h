#pragma once

#include <QObject>
#include <QPointer>

class QMenu;
class QSystemTrayIcon;
class QWidget;

// The notification-area icon. Clicks on it reach the main window the way the
// window's other messages do, as WM_USER+5 with the mouse message in lParam
// (left press, left double click, right press); its menu carries "显示Corvana" and
// "退出Corvana". Where the desktop has no notification area (as under Xvfb) the
// icon is never shown and isVisible() stays false: the main window then minimises
// to the task bar instead.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    // Mouse message numbers carried in lParam.
    static constexpr int LeftButtonDown = 0x0201;
    static constexpr int LeftButtonDoubleClick = 0x0203;
    static constexpr int RightButtonDown = 0x0204;

    static constexpr int ShowCommand = 32804;
    static constexpr int ExitCommand = 32770;

    explicit TrayIcon(QWidget* mainWindow);
    ~TrayIcon() override;

    static bool isAvailable();

    // Adds the icon where there is a notification area; returns whether it shows.
    bool add();
    void remove();
    bool isVisible() const;

    // Drops the icon's menu at the cursor.
    void popupMenu();
    QMenu* menu() const { return m_menu; }

signals:
    void command(int commandId);

private:
    QPointer<QWidget> m_mainWindow;
    QSystemTrayIcon* m_icon = nullptr;
    QMenu* m_menu;
};
