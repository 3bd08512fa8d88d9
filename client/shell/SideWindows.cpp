#include "shell/SideWindows.h"

void SideWindows::set(Which which, QWidget* window)
{
    m_windows[which] = window;
    m_shown[which] = false;
}

void SideWindows::open(Which which)
{
    if (QWidget* window = m_windows[which]) {
        window->show();
        window->raise();
    }
    m_shown[which] = true;
}

void SideWindows::hideAll(bool clearFlags)
{
    for (int i = 0; i < Count; ++i) {
        if (m_windows[i])
            m_windows[i]->hide();
        if (clearFlags)
            m_shown[i] = false;
    }
}

void SideWindows::hideAllExcept(Which keep)
{
    for (int i = 0; i < Count; ++i) {
        if (i != keep && m_windows[i])
            m_windows[i]->hide();
    }
}

void SideWindows::showFirstFlagged()
{
    for (int i = 0; i < Count; ++i) {
        if (m_shown[i] && m_windows[i]) {
            m_windows[i]->show();
            return;
        }
    }
}

void SideWindows::glueTo(const QRect& mainClient)
{
    for (const auto& window : m_windows) {
        if (window)
            window->setGeometry(gluedGeometry(mainClient, window->width()));
    }
}

QRect SideWindows::gluedGeometry(const QRect& mainClient, int ownWidth)
{
    return QRect(mainClient.right() + 1, mainClient.top(), ownWidth, mainClient.height());
}
