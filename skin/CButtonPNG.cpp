#include "skin/CButtonPNG.h"

#include "skin/Artwork.h"
#include "skin/Palette.h"

#include <QPainter>

CButtonPNG::CButtonPNG(QWidget* parent)
    : QAbstractButton(parent)
{
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::TabFocus);
}

CButtonPNG::CButtonPNG(const QString& text, QWidget* parent)
    : CButtonPNG(parent)
{
    setText(text);
}

void CButtonPNG::setImage(const QString& pictureName)
{
    m_image = pictureName;
    updateGeometry();
    update();
}

void CButtonPNG::setPictureOnly(bool pictureOnly)
{
    m_pictureOnly = pictureOnly;
    update();
}

void CButtonPNG::setNormalPicIndex(int index)
{
    m_picIndex = index;
    update();
}

void CButtonPNG::setStringAlignment(int alignment)
{
    setTextAlignment(alignment == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
}

void CButtonPNG::setTextAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void CButtonPNG::setTextColors(const QColor& normal, const QColor& active)
{
    m_normalColor = normal;
    m_activeColor = active;
    update();
}

bool CButtonPNG::showsSecondPicture() const
{
    return m_picIndex > 0 || (isCheckable() && isChecked());
}

QString CButtonPNG::shownPicture() const
{
    if (showsSecondPicture()) {
        const QString second = m_image + QStringLiteral("-alt");
        if (skin::Artwork::contains(second))
            return second;
    }
    return m_image;
}

QColor CButtonPNG::textColor() const
{
    if (!isEnabled())
        return skin::palette::TextDisabled;
    const bool active = isDown() || underMouse() || showsSecondPicture();
    if (m_normalColor.isValid())
        return active && m_activeColor.isValid() ? m_activeColor : m_normalColor;
    // Without chosen colours the caption follows its picture: white on the brand
    // blue of primary buttons, brand text on an active tab.
    const QString picture = shownPicture();
    if (picture.startsWith(QStringLiteral("button-primary")))
        return skin::palette::TextOnBrand;
    return picture.endsWith(QStringLiteral("-alt")) ? skin::palette::BrandDeep : skin::palette::Text;
}

QSize CButtonPNG::sizeHint() const
{
    QSize size = skin::Artwork::naturalSize(m_image);
    if (!text().isEmpty() && !m_pictureOnly) {
        const QMargins content = skin::Artwork::contentMargins(m_image);
        const int textWidth = fontMetrics().horizontalAdvance(text()) + content.left() + content.right() + 16;
        size = size.expandedTo(QSize(textWidth, fontMetrics().height() + 12));
    }
    return size.isValid() ? size : QSize(80, 28);
}

void CButtonPNG::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    using State = skin::Artwork::State;
    State state = State::Normal;
    if (!isEnabled())
        state = State::Disabled;
    else if (!m_pictureOnly && isDown())
        state = State::Pressed;
    else if (!m_pictureOnly && underMouse())
        state = State::Hover;
    skin::Artwork::paint(painter, shownPicture(), rect(), state);
    // A focus ring only when the focus came from the keyboard, as platform buttons do.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange) && !m_pictureOnly) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(skin::palette::BrandDark, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5), 3, 3);
    }

    if (m_pictureOnly || text().isEmpty())
        return;
    QRect area = rect().marginsRemoved(skin::Artwork::contentMargins(m_image));
    if (state == State::Pressed)
        area.translate(0, 1);
    painter.setFont(font());
    painter.setPen(textColor());
    painter.drawText(area, static_cast<int>(m_alignment | Qt::AlignVCenter) | Qt::TextSingleLine,
        fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
}
