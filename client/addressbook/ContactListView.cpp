#include "addressbook/ContactListView.h"

#include "skin/Artwork.h"
#include "skin/HeaderView.h"
#include "skin/Palette.h"
#include "skin/ScrollBar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

constexpr int kCheckPictureSize = 16;

// Rows on the list's surface, the hovered and selected rows tinted, check boxes from
// the skin's pictures; where the box stands is the style's, so clicks land on it.
class SkinnedCellDelegate : public QStyledItemDelegate {
public:
    explicit SkinnedCellDelegate(ContactListView* view)
        : QStyledItemDelegate(view)
        , m_view(view)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& base, const QModelIndex& index) const override
    {
        QStyleOptionViewItem option = base;
        initStyleOption(&option, index);
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : nullptr;

        QColor background = skin::palette::Surface;
        if (option.state & QStyle::State_Selected)
            background = skin::palette::BrandLight;
        else if (index.row() == m_view->hoveredRow())
            background = skin::palette::BrandPale;
        painter->fillRect(option.rect, background);
        painter->setPen(skin::palette::BrandPale.darker(104));
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        if (!style)
            return;

        if (option.features & QStyleOptionViewItem::HasCheckIndicator) {
            const QRect box = style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, widget);
            const int side = std::min({ box.width(), box.height(), kCheckPictureSize });
            const QRect picture(box.center().x() - side / 2 + 1, box.center().y() - side / 2 + 1, side, side);
            skin::Artwork::paint(*painter,
                QString::fromLatin1(option.checkState == Qt::Checked ? skin::names::CheckOn : skin::names::CheckOff),
                picture);
        }
        const QRect textRect
            = style->subElementRect(QStyle::SE_ItemViewItemText, &option, widget).adjusted(3, 0, -3, 0);
        painter->setPen(option.state & QStyle::State_Enabled ? skin::palette::Text : skin::palette::TextDisabled);
        painter->setFont(option.font);
        painter->drawText(textRect, static_cast<int>(option.displayAlignment) | Qt::TextSingleLine,
            option.fontMetrics.elidedText(option.text, Qt::ElideRight, textRect.width()));
    }

private:
    ContactListView* m_view;
};

} // namespace

ContactListView::ContactListView(QWidget* parent)
    : QTableView(parent)
{
    setHorizontalHeader(new skin::HeaderView(Qt::Horizontal, this));
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    setItemDelegate(new SkinnedCellDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    setMouseTracking(true);
    setFrameShape(QFrame::NoFrame);
    setStyleSheet(QStringLiteral("ContactListView { background: %1; border: 1px solid %2; outline: none; }")
                      .arg(skin::palette::Surface.name(), skin::palette::Border.name()));
    setRowHeight(22);
    skin::ScrollBar::attach(this);
}

void ContactListView::setColumnWidths(const QList<int>& widths)
{
    for (int column = 0; column < widths.size(); ++column) {
        setColumnHidden(column, widths.at(column) <= 0);
        if (widths.at(column) > 0)
            setColumnWidth(column, widths.at(column));
    }
}

void ContactListView::setRowHeight(int pixels)
{
    verticalHeader()->setMinimumSectionSize(std::min(pixels, verticalHeader()->minimumSectionSize()));
    verticalHeader()->setDefaultSectionSize(pixels);
}

void ContactListView::setRowClickChecks(bool enabled, int margin)
{
    m_rowClickChecks = enabled;
    m_rowClickMargin = margin;
}

QRect ContactListView::checkBoxRect(const QModelIndex& index) const
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    return style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
}

void ContactListView::mouseReleaseEvent(QMouseEvent* event)
{
    // The box itself is the delegate's: it ticks on this release already.
    QTableView::mouseReleaseEvent(event);
    if (!m_rowClickChecks || event->button() != Qt::LeftButton || !model())
        return;
    const QPoint position = event->position().toPoint();
    const QModelIndex first = indexAt(position).siblingAtColumn(0);
    if (!first.isValid() || position.x() <= m_rowClickMargin || checkBoxRect(first).contains(position))
        return;
    const bool checked = first.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    model()->setData(first, int(checked ? Qt::Unchecked : Qt::Checked), Qt::CheckStateRole);
}

void ContactListView::mouseMoveEvent(QMouseEvent* event)
{
    const int row = rowAt(event->position().toPoint().y());
    if (row != m_hoverRow) {
        m_hoverRow = row;
        viewport()->update();
    }
    QTableView::mouseMoveEvent(event);
}

void ContactListView::leaveEvent(QEvent* event)
{
    if (m_hoverRow != -1) {
        m_hoverRow = -1;
        viewport()->update();
    }
    QTableView::leaveEvent(event);
}
