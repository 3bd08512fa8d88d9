#include "skin/CTransparentStatic.h"

#include "skin/Palette.h"

#include <QPainter>

CTransparentStatic::CTransparentStatic(QWidget* parent)
    : CTransparentStatic(QString(), parent)
{
}

CTransparentStatic::CTransparentStatic(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(false);
    setTextColor(skin::palette::Text);
}

void CTransparentStatic::setBackgroundColor(const QColor& colour)
{
    m_background = colour;
    update();
}

void CTransparentStatic::setTextColor(const QColor& colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, colour);
    setPalette(pal);
}

void CTransparentStatic::paintEvent(QPaintEvent* event)
{
    if (m_background.isValid()) {
        QPainter painter(this);
        painter.fillRect(rect(), m_background);
    }
    QLabel::paintEvent(event);
}
