#include "skin/HeaderView.h"

#include "skin/Artwork.h"
#include "skin/Fonts.h"
#include "skin/Palette.h"

#include <QPainter>
#include <QPainterPath>

namespace skin {

HeaderView::HeaderView(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent)
{
    setSectionsClickable(true);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignCenter);
    setFont(Fonts::ui(12, QFont::Medium));
}

QSize HeaderView::sizeHint() const
{
    QSize hint = QHeaderView::sizeHint();
    if (orientation() == Qt::Horizontal)
        hint.setHeight(Height);
    return hint;
}

void HeaderView::setSectionAlignment(int logicalIndex, Qt::Alignment alignment)
{
    m_sectionAlignment.insert(logicalIndex, alignment);
    viewport()->update();
}

Qt::Alignment HeaderView::sectionAlignment(int logicalIndex) const
{
    return m_sectionAlignment.value(logicalIndex, defaultAlignment());
}

void HeaderView::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(viewport());
        Artwork::paint(painter, QStringLiteral("list-header"), viewport()->rect());
    }
    QHeaderView::paintEvent(event);
}

void HeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    painter->save();
    Artwork::paint(*painter, QStringLiteral("list-header"), rect);
    painter->setPen(palette::Border);
    painter->drawLine(rect.topRight() + QPoint(0, 5), rect.bottomRight() - QPoint(0, 6));

    const QAbstractItemModel* source = model();
    const QString text
        = source ? source->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString() : QString();
    const QVariant alignmentData
        = source ? source->headerData(logicalIndex, orientation(), Qt::TextAlignmentRole) : QVariant();
    const Qt::Alignment alignment
        = alignmentData.isValid() ? Qt::Alignment(alignmentData.toInt()) : sectionAlignment(logicalIndex);
    QRect textRect = rect.adjusted(6, 0, -6, -1);
    const bool sorted = isSortIndicatorShown() && sortIndicatorSection() == logicalIndex;
    if (sorted)
        textRect.adjust(0, 0, -10, 0);
    painter->setFont(font());
    painter->setPen(palette::BrandDeep);
    painter->drawText(textRect, static_cast<int>((alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter),
        painter->fontMetrics().elidedText(text, Qt::ElideRight, textRect.width()));
    if (sorted) {
        const QPointF centre(rect.right() - 10, rect.center().y());
        const qreal dy = sortIndicatorOrder() == Qt::AscendingOrder ? -2.5 : 2.5;
        QPainterPath arrow;
        arrow.moveTo(centre.x() - 4, centre.y() - dy);
        arrow.lineTo(centre.x() + 4, centre.y() - dy);
        arrow.lineTo(centre.x(), centre.y() + dy);
        arrow.closeSubpath();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->fillPath(arrow, palette::Brand);
    }
    painter->restore();
}

} // namespace skin
