#include "skin/CStaticEx.h"

#include "skin/Palette.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {
CStaticEx::UrlOpener& urlOpener()
{
    static CStaticEx::UrlOpener opener;
    return opener;
}
} // namespace

CStaticEx::CStaticEx(QWidget* parent)
    : CStaticEx(QString(), parent)
{
}

CStaticEx::CStaticEx(const QString& text, QWidget* parent)
    : QLabel(text, parent)
    , m_colour(skin::palette::Link)
{
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_Hover);
    applyStyle();
}

void CStaticEx::setTextStyle(const QColor& colour, bool underlineOnHover, bool underlineAlways, int weight)
{
    m_colour = colour;
    m_underlineOnHover = underlineOnHover;
    m_underlineAlways = underlineAlways;
    m_weight = weight;
    applyStyle();
}

void CStaticEx::setUrl(const QUrl& url)
{
    m_url = url;
    setCursor(url.isEmpty() ? Qt::ArrowCursor : Qt::PointingHandCursor);
}

void CStaticEx::setBackgroundColor(const QColor& colour)
{
    m_background = colour;
    update();
}

void CStaticEx::setUrlOpener(UrlOpener opener)
{
    urlOpener() = std::move(opener);
}

void CStaticEx::applyStyle()
{
    QFont f = font();
    // Windows weights (100..900) and Qt weights share the same scale.
    f.setWeight(static_cast<QFont::Weight>(std::clamp(m_weight, 100, 900)));
    f.setUnderline(m_underlineAlways || (m_underlineOnHover && m_hovered));
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, m_colour);
    setPalette(pal);
}

void CStaticEx::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void CStaticEx::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    m_pressed = false;
    event->accept();
    if (!rect().contains(event->position().toPoint()))
        return;
    emit clicked();
    if (m_url.isEmpty())
        return;
    const UrlOpener& opener = urlOpener();
    const bool ok = opener ? opener(m_url) : QDesktopServices::openUrl(m_url);
    emit urlOpened(m_url, ok);
}

void CStaticEx::enterEvent(QEnterEvent* event)
{
    m_hovered = true;
    applyStyle();
    QLabel::enterEvent(event);
}

void CStaticEx::leaveEvent(QEvent* event)
{
    m_hovered = false;
    applyStyle();
    QLabel::leaveEvent(event);
}

void CStaticEx::paintEvent(QPaintEvent* event)
{
    if (m_background.isValid()) {
        QPainter painter(this);
        painter.fillRect(rect(), m_background);
    }
    QLabel::paintEvent(event);
}
