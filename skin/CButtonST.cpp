#include "skin/CButtonST.h"

#include "skin/Artwork.h"
#include "skin/Palette.h"

#include <QAction>
#include <QMenu>
#include <QPainter>

CButtonST::CButtonST(QWidget* parent)
    : QAbstractButton(parent)
{
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &CButtonST::clicked, this, &CButtonST::showMenu);
}

CButtonST::~CButtonST() = default;

void CButtonST::setPictures(const QString& normal, const QString& hover)
{
    m_normal = normal;
    m_hover = hover;
    updateGeometry();
    update();
}

void CButtonST::setNoBorder(bool noBorder)
{
    m_noBorder = noBorder;
    update();
}

void CButtonST::setButtonCursor(Qt::CursorShape shape)
{
    setCursor(shape);
}

void CButtonST::sizeToContent()
{
    resize(sizeHint());
}

QAction* CButtonST::addMenuCommand(int commandId, const QString& text, const QString& pictureName)
{
    if (!m_menu)
        m_menu = new QMenu(this);
    QAction* action = m_menu->addAction(text);
    if (!pictureName.isEmpty())
        action->setIcon(skin::Artwork::icon(pictureName));
    connect(action, &QAction::triggered, this, [this, commandId] { emit menuCommand(commandId); });
    m_commands.insert(commandId, action);
    return action;
}

void CButtonST::addMenuSeparator()
{
    if (!m_menu)
        m_menu = new QMenu(this);
    m_menu->addSeparator();
}

void CButtonST::setMenuCommandEnabled(int commandId, bool enabled)
{
    if (QAction* action = m_commands.value(commandId))
        action->setEnabled(enabled);
}

void CButtonST::clearMenu()
{
    if (m_menu)
        m_menu->clear();
    m_commands.clear();
}

bool CButtonST::hasMenu() const
{
    return m_menu && !m_menu->isEmpty();
}

QSize CButtonST::sizeHint() const
{
    const QSize natural = skin::Artwork::naturalSize(m_normal);
    return natural.isValid() ? natural : QSize(24, 24);
}

void CButtonST::showMenu()
{
    if (!hasMenu())
        return;
    // popup() rather than exec(): the window keeps running while the menu is open.
    m_menu->popup(mapToGlobal(QPoint(0, height())));
}

void CButtonST::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    using State = skin::Artwork::State;
    const bool hovered = underMouse() && isEnabled();
    if (!m_noBorder && (hovered || isDown())) {
        painter.setPen(skin::palette::Border);
        painter.setBrush(isDown() ? skin::palette::BrandLight : skin::palette::BrandPale);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    }
    QString picture = m_normal;
    State state = State::Normal;
    if (!isEnabled()) {
        state = State::Disabled;
    } else if (isDown()) {
        state = State::Pressed;
    } else if (hovered) {
        if (!m_hover.isEmpty())
            picture = m_hover;
        else
            state = State::Hover;
    }
    skin::Artwork::paint(painter, picture, rect(), state);
}
