#include "skin/CListBoxEx.h"

#include "skin/Fonts.h"
#include "skin/Palette.h"
#include "skin/ScrollBar.h"

#include <QPainter>
#include <QPainterPath>
#include <QStandardItemModel>
#include <QStyledItemDelegate>

namespace {

class RowDelegate : public QStyledItemDelegate {
public:
    explicit RowDelegate(CListBoxEx* list)
        : QStyledItemDelegate(list)
        , m_list(list)
    {
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return { option.rect.width(), m_list->rowHeight() };
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const QRect r = option.rect;
        const bool header = index.data(CListBoxEx::HeaderRole).toBool();
        const bool selected = option.state & QStyle::State_Selected;
        const bool hovered = option.state & QStyle::State_MouseOver;

        QColor fill = header ? skin::palette::BrandPale : skin::palette::Surface;
        if (selected)
            fill = skin::palette::BrandLight;
        else if (hovered)
            fill = header ? skin::palette::BrandPale.darker(104) : skin::palette::Face;
        painter->fillRect(r, fill);
        painter->setPen(skin::palette::BrandPale.darker(106));
        painter->drawLine(r.bottomLeft(), r.bottomRight());

        int x = r.left() + 8;
        if (header) {
            // Expand mark: a small chevron pointing right (closed) or down (open).
            const bool open = m_list->isMarkOpen(index);
            const QPointF c(x + 5, r.center().y() + 0.5);
            QPainterPath mark;
            if (open) {
                mark.moveTo(c.x() - 4, c.y() - 2);
                mark.lineTo(c.x(), c.y() + 2);
                mark.lineTo(c.x() + 4, c.y() - 2);
            } else {
                mark.moveTo(c.x() - 2, c.y() - 4);
                mark.lineTo(c.x() + 2, c.y());
                mark.lineTo(c.x() - 2, c.y() + 4);
            }
            painter->setPen(QPen(skin::palette::BrandDark, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter->setBrush(Qt::NoBrush);
            painter->drawPath(mark);
            x += 16;
        }
        const int image = index.data(CListBoxEx::ImageRole).toInt();
        const QList<QIcon> images = m_list->imageList();
        if (index.data(CListBoxEx::ShowImageRole).toBool() && image >= 0 && image < images.size()) {
            QSize size = m_list->imageSize();
            size.scale(QSize(size.width(), r.height() - 6), Qt::KeepAspectRatio);
            const QRect iconRect(x, r.top() + (r.height() - size.height()) / 2, size.width(), size.height());
            images.at(image).paint(painter, iconRect, Qt::AlignCenter,
                (option.state & QStyle::State_Enabled) ? QIcon::Normal : QIcon::Disabled);
            x += size.width() + 8;
        }
        QFont font = skin::Fonts::ui(
            header ? 13 : 12, index.data(CListBoxEx::BoldRole).toBool() ? QFont::Bold : QFont::Normal);
        painter->setFont(font);
        painter->setPen(header ? skin::palette::BrandDeep : skin::palette::Text);
        const QRect textRect(x, r.top(), r.right() - x - 6, r.height());
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
            QFontMetrics(font).elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight, textRect.width()));
        painter->restore();
    }

private:
    CListBoxEx* m_list;
};

} // namespace

CListBoxEx::CListBoxEx(QWidget* parent)
    : QTreeView(parent)
    , m_ownRows(new QStandardItemModel(this))
{
    setItemDelegate(new RowDelegate(this));
    setUniformRowHeights(true);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setIndentation(14);
    setMouseTracking(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFrameShape(QFrame::NoFrame);
    setStyleSheet(QStringLiteral("CListBoxEx { background: %1; outline: none; }").arg(skin::palette::Surface.name()));
    skin::ScrollBar::attach(this);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setModel(m_ownRows);
}

CListBoxEx::~CListBoxEx() = default;

namespace {

QStandardItem* makeItem(const CListBoxEx::Row& row)
{
    auto* created = new QStandardItem(row.text);
    created->setData(row.data, CListBoxEx::DataRole);
    created->setData(row.image, CListBoxEx::ImageRole);
    created->setData(row.header, CListBoxEx::HeaderRole);
    created->setData(row.bold, CListBoxEx::BoldRole);
    created->setData(row.showImage, CListBoxEx::ShowImageRole);
    created->setData(false, CListBoxEx::ExpandedRole);
    return created;
}

} // namespace

int CListBoxEx::addRow(const Row& row)
{
    m_ownRows->appendRow(makeItem(row));
    return m_ownRows->rowCount() - 1;
}

int CListBoxEx::insertRow(int index, const Row& row)
{
    index = std::clamp(index, 0, m_ownRows->rowCount());
    m_ownRows->insertRow(index, makeItem(row));
    return index;
}

bool CListBoxEx::removeRow(int index)
{
    if (index < 0 || index >= m_ownRows->rowCount())
        return false;
    m_ownRows->removeRow(index);
    return true;
}

void CListBoxEx::clear()
{
    m_ownRows->clear();
}

int CListBoxEx::count() const
{
    return model() ? model()->rowCount() : 0;
}

CListBoxEx::Row CListBoxEx::rowAt(int index) const
{
    const QModelIndex source = model() ? model()->index(index, 0) : QModelIndex();
    if (!source.isValid())
        return {};
    return { source.data(Qt::DisplayRole).toString(), source.data(DataRole), source.data(ImageRole).toInt(),
        source.data(HeaderRole).toBool(), source.data(BoldRole).toBool(), source.data(ShowImageRole).toBool() };
}

QVariant CListBoxEx::rowData(int index) const
{
    return model() ? model()->index(index, 0).data(DataRole) : QVariant();
}

void CListBoxEx::setImageList(const QList<QIcon>& images, const QSize& size)
{
    m_images = images;
    m_imageSize = size;
    viewport()->update();
}

void CListBoxEx::setRowHeight(int pixels)
{
    m_rowHeight = std::max(1, pixels);
    // Uniform rows are measured once; make the view measure again.
    doItemsLayout();
}

void CListBoxEx::setExpanded(int index, bool expanded)
{
    if (QStandardItem* target = m_ownRows->item(index))
        target->setData(expanded, ExpandedRole);
}

bool CListBoxEx::isExpanded(int index) const
{
    const QModelIndex source = model() ? model()->index(index, 0) : QModelIndex();
    return source.isValid() && isMarkOpen(source);
}

bool CListBoxEx::isMarkOpen(const QModelIndex& index) const
{
    if (index.model() && index.model()->hasChildren(index))
        return QTreeView::isExpanded(index);
    return index.data(ExpandedRole).toBool();
}

int CListBoxEx::selectedRow() const
{
    const QModelIndexList selected = selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
    return selected.isEmpty() ? -1 : selected.first().row();
}

QVariant CListBoxEx::selectedData() const
{
    const QModelIndexList selected = selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
    return selected.isEmpty() ? QVariant() : selected.first().data(DataRole);
}
