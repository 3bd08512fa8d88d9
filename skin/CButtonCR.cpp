#include "skin/CButtonCR.h"

#include "skin/Artwork.h"
#include "skin/Palette.h"

#include <QPainter>

namespace {
constexpr int TextGap = 6;
} // namespace

CButtonCR::CButtonCR(QWidget* parent)
    : QAbstractButton(parent)
    , m_unchecked(QString::fromLatin1(skin::names::CheckOff))
    , m_checked(QString::fromLatin1(skin::names::CheckOn))
{
    setCheckable(true);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

CButtonCR::CButtonCR(const QString& text, QWidget* parent)
    : CButtonCR(parent)
{
    setText(text);
}

void CButtonCR::setPictures(const QString& unchecked, const QString& checked)
{
    m_unchecked = unchecked;
    m_checked = checked;
    updateGeometry();
    update();
}

void CButtonCR::setRadioLike(bool radioLike)
{
    m_radioLike = radioLike;
    if (radioLike && m_unchecked == QLatin1String(skin::names::CheckOff)
        && m_checked == QLatin1String(skin::names::CheckOn))
        setPictures(QString::fromLatin1(skin::names::RadioOff), QString::fromLatin1(skin::names::RadioOn));
}

void CButtonCR::setTextColor(const QColor& colour)
{
    m_textColor = colour;
    update();
}

int CButtonCR::boxSize() const
{
    const QSize natural = skin::Artwork::naturalSize(m_unchecked);
    return natural.isValid() ? natural.height() : 16;
}

QSize CButtonCR::sizeHint() const
{
    const int box = boxSize();
    int width = box;
    if (!text().isEmpty())
        width += TextGap + fontMetrics().horizontalAdvance(text()) + 2;
    return { width, std::max(box, fontMetrics().height()) + 2 };
}

void CButtonCR::nextCheckState()
{
    if (m_radioLike && isChecked())
        return;
    QAbstractButton::nextCheckState();
}

bool CButtonCR::hitButton(const QPoint& pos) const
{
    // The box and its text both take the click, as users expect of a check box.
    return rect().contains(pos);
}

void CButtonCR::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    using State = skin::Artwork::State;
    State state = State::Normal;
    if (!isEnabled())
        state = State::Disabled;
    else if (isDown())
        state = State::Pressed;
    else if (underMouse())
        state = State::Hover;
    const int box = boxSize();
    const QRect boxRect(0, (height() - box) / 2, box, box);
    skin::Artwork::paint(painter, isChecked() ? m_checked : m_unchecked, boxRect, state);
    if (text().isEmpty())
        return;
    QColor colour = m_textColor.isValid() ? m_textColor : skin::palette::Text;
    if (!isEnabled())
        colour = skin::palette::TextDisabled;
    painter.setPen(colour);
    painter.setFont(font());
    const QRect textRect(box + TextGap, 0, width() - box - TextGap, height());
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, textRect.width());
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        const QRect drawn = fontMetrics().boundingRect(textRect, Qt::AlignLeft | Qt::AlignVCenter, shown);
        painter.setPen(QPen(skin::palette::BrandDark, 1, Qt::DotLine));
        painter.drawLine(drawn.bottomLeft() + QPoint(0, 1), drawn.bottomRight() + QPoint(0, 1));
    }
}
