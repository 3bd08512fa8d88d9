#include "skin/ScrollBar.h"

#include "skin/Artwork.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QStyleOptionSlider>

namespace skin {

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent)
{
    setAttribute(Qt::WA_Hover);
    setMouseTracking(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(this, &QScrollBar::rangeChanged, this, &ScrollBar::followRange);
    followRange();
}

void ScrollBar::attach(QAbstractScrollArea* area, Qt::ScrollBarPolicy vertical)
{
    if (!area)
        return;
    area->setVerticalScrollBar(new ScrollBar(Qt::Vertical, area));
    area->setHorizontalScrollBar(new ScrollBar(Qt::Horizontal, area));
    area->setVerticalScrollBarPolicy(vertical);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void ScrollBar::followRange()
{
    // Nothing to scroll: the bar stays in place but cannot be used.
    setEnabled(maximum() > minimum());
}

QSize ScrollBar::sizeHint() const
{
    const QSize hint = QScrollBar::sizeHint();
    return orientation() == Qt::Vertical ? QSize(Thickness, hint.height()) : QSize(hint.width(), Thickness);
}

void ScrollBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionSlider option;
    initStyleOption(&option);
    using State = Artwork::State;
    const bool vertical = orientation() == Qt::Vertical;

    Artwork::paint(painter, QStringLiteral("scroll-track"), rect());

    const auto part = [&](QStyle::SubControl control) {
        return style()->subControlRect(QStyle::CC_ScrollBar, &option, control, this);
    };
    const auto stateOf = [&](QStyle::SubControl control) {
        if (!isEnabled())
            return State::Disabled;
        if (option.activeSubControls & control)
            return isSliderDown() || (option.state & QStyle::State_Sunken) ? State::Pressed : State::Hover;
        return State::Normal;
    };

    Artwork::paint(painter, vertical ? QStringLiteral("scroll-up") : QStringLiteral("scroll-left"),
        part(QStyle::SC_ScrollBarSubLine), stateOf(QStyle::SC_ScrollBarSubLine));
    Artwork::paint(painter, vertical ? QStringLiteral("scroll-down") : QStringLiteral("scroll-right"),
        part(QStyle::SC_ScrollBarAddLine), stateOf(QStyle::SC_ScrollBarAddLine));

    if (!isEnabled())
        return;
    QRect thumb = part(QStyle::SC_ScrollBarSlider);
    // A thumb shorter than a few pixels cannot be grabbed or seen: leave it out.
    if ((vertical ? thumb.height() : thumb.width()) < 6)
        return;
    thumb = vertical ? thumb.adjusted(2, 1, -2, -1) : thumb.adjusted(1, 2, -1, -2);
    Artwork::paint(painter, QStringLiteral("scroll-thumb"), thumb, stateOf(QStyle::SC_ScrollBarSlider));
}

} // namespace skin
