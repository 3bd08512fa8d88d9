#include "shell/TrayIcon.h"

#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "skin/Artwork.h"

#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>

TrayIcon::TrayIcon(QWidget* mainWindow)
    : QObject(mainWindow)
    , m_mainWindow(mainWindow)
    , m_menu(new QMenu(mainWindow))
{
    m_menu->setObjectName(QStringLiteral("trayMenu"));
    m_menu->addAction(tr("显示Corvana"), this, [this] { emit command(ShowCommand); });
    m_menu->addAction(tr("退出Corvana"), this, [this] { emit command(ExitCommand); });
}

TrayIcon::~TrayIcon()
{
    remove();
}

bool TrayIcon::isAvailable()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool TrayIcon::add()
{
    if (!isAvailable())
        return false;
    if (!m_icon) {
        m_icon = new QSystemTrayIcon(skin::Artwork::icon(QString::fromLatin1(skin::names::AppIcon)), this);
        m_icon->setToolTip(QStringLiteral("Corvana (Corvana)"));
        connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            int mouse = 0;
            switch (reason) {
            case QSystemTrayIcon::Trigger:
                mouse = LeftButtonDown;
                break;
            case QSystemTrayIcon::DoubleClick:
                mouse = LeftButtonDoubleClick;
                break;
            case QSystemTrayIcon::Context:
                mouse = RightButtonDown;
                break;
            default:
                return;
            }
            postAppEvent(m_mainWindow.data(), Msg::TrayIcon, 0, mouse);
        });
    }
    m_icon->show();
    return true;
}

void TrayIcon::remove()
{
    if (m_icon)
        m_icon->hide();
}

bool TrayIcon::isVisible() const
{
    return m_icon && m_icon->isVisible();
}

void TrayIcon::popupMenu()
{
    m_menu->popup(QCursor::pos());
}
