#include "widgets/MeetingListDelegate.h"

#include "widgets/MeetingListBox.h"

#include "skin/Fonts.h"
#include "skin/Palette.h"

#include <QPainter>

namespace {

const QColor kBackground(245, 250, 254);
const QColor kSelectedCell(170, 218, 255);
const QColor kSelectedRow(232, 243, 252);
const QColor kTopicColour(80, 80, 80);
const QColor kTimeColour(130, 130, 130);
// Keeps the icon cell off the list's left edge.
constexpr int kIconInset = 6;

} // namespace

MeetingListDelegate::MeetingListDelegate(MeetingListBox* list)
    : QStyledItemDelegate(list)
    , m_list(list)
{
}

QSize MeetingListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& /*index*/) const
{
    return { option.rect.width(), MeetingListBox::kRowHeight };
}

void MeetingListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QVariant raw = index.data(MeetingListBox::ItemRole);
    if (!raw.canConvert<MeetingListItem>())
        return;
    const auto data = raw.value<MeetingListItem>();
    const bool selected = option.state & QStyle::State_Selected;
    const QRect rowRect = option.rect;

    painter->save();
    painter->fillRect(rowRect, selected ? kSelectedRow : kBackground);

    int textLeft = rowRect.left() + 10;
    const QList<QPixmap>& images = m_list->imageList();
    if (!images.isEmpty()) {
        const QPixmap& icon = images.value(data.image, images.first());
        const QSize iconSize = icon.deviceIndependentSize().toSize();
        const QRect cell(rowRect.left() + kIconInset, rowRect.top() + (rowRect.height() - iconSize.height() - 4) / 2,
            iconSize.width() + 6, iconSize.height() + 4);
        painter->fillRect(cell, selected ? kSelectedCell : kBackground);
        painter->setOpacity(option.state & QStyle::State_Enabled ? 1.0 : 0.4);
        painter->drawPixmap(cell.topLeft() + QPoint(3, 2), icon);
        painter->setOpacity(1.0);
        textLeft = cell.right() + 1 + 10;
    }

    // A sunken edge: a dark line over a light one.
    painter->setPen(skin::palette::Border);
    painter->drawLine(rowRect.left(), rowRect.bottom() - 1, rowRect.right(), rowRect.bottom() - 1);
    painter->setPen(Qt::white);
    painter->drawLine(rowRect.left(), rowRect.bottom(), rowRect.right(), rowRect.bottom());

    const int textWidth = rowRect.right() - textLeft - 6;
    const QRect line1(textLeft, rowRect.top() + 10, textWidth, 24);
    const QRect line2(textLeft, line1.bottom() + 1, textWidth, 18);

    QFont topicFont = skin::Fonts::named(QStringLiteral("宋体"), 14);
    painter->setFont(topicFont);
    painter->setPen(kTopicColour);
    painter->drawText(line1, Qt::AlignLeft | Qt::AlignVCenter,
        QFontMetrics(topicFont).elidedText(data.firstText, Qt::ElideRight, line1.width()));

    QFont timeFont = skin::Fonts::named(QStringLiteral("宋体"), 12);
    painter->setFont(timeFont);
    painter->setPen(kTimeColour);
    painter->drawText(line2, Qt::AlignLeft | Qt::AlignVCenter,
        QFontMetrics(timeFont).elidedText(tr("会议开始时间：") + data.thirdText, Qt::ElideRight, line2.width()));

    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(skin::palette::BrandDark, 1, Qt::DotLine));
        painter->drawRect(rowRect.adjusted(0, 0, -1, -2));
    }
    painter->restore();
}
