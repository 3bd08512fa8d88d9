#include "skin/CListCtrlEx.h"

#include "skin/Artwork.h"
#include "skin/HeaderView.h"
#include "skin/Palette.h"
#include "skin/ScrollBar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>
#include <numeric>

namespace {

constexpr int DataRole = Qt::UserRole;
constexpr int CheckMemoRole = Qt::UserRole + 1; // the last check state reported

// Draws the cells through the list's colour hooks and the skin's check pictures.
class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(CListCtrlEx* list)
        : QStyledItemDelegate(list)
        , m_list(list)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& base, const QModelIndex& index) const override
    {
        QStyleOptionViewItem option = base;
        initStyleOption(&option, index);
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : nullptr;
        const int row = index.row();
        const int column = index.column();

        QColor background = m_list->cellBackgroundColor(row, column);
        if (option.state & QStyle::State_Selected)
            background = skin::palette::BrandLight;
        else if (row == m_list->hoveredRow())
            background = skin::palette::BrandPale;
        painter->fillRect(option.rect, background);
        painter->setPen(skin::palette::BrandPale.darker(104));
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        if (!style)
            return;

        if (option.features & QStyleOptionViewItem::HasCheckIndicator) {
            const QRect box = style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, widget);
            const int side = std::min({ box.width(), box.height(), 16 }) + 0;
            const QRect picture(box.center().x() - side / 2 + 1, box.center().y() - side / 2 + 1, side, side);
            skin::Artwork::paint(*painter,
                QString::fromLatin1(option.checkState == Qt::Checked ? skin::names::CheckOn : skin::names::CheckOff),
                picture);
        }
        if (option.features & QStyleOptionViewItem::HasDecoration) {
            const QRect iconRect = style->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, widget);
            option.icon.paint(painter, iconRect);
        }
        const QRect textRect
            = style->subElementRect(QStyle::SE_ItemViewItemText, &option, widget).adjusted(3, 0, -3, 0);
        QColor text = m_list->cellTextColor(row, column);
        if (!(option.state & QStyle::State_Enabled))
            text = skin::palette::TextDisabled;
        painter->setPen(text);
        painter->setFont(option.font);
        painter->drawText(textRect, static_cast<int>(option.displayAlignment) | Qt::TextSingleLine,
            option.fontMetrics.elidedText(option.text, Qt::ElideRight, textRect.width()));
    }

private:
    CListCtrlEx* m_list;
};

} // namespace

CListCtrlEx::CListCtrlEx(QWidget* parent)
    : QTableWidget(parent)
{
    setHorizontalHeader(new skin::HeaderView(Qt::Horizontal, this));
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    setItemDelegate(new CellDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    setMouseTracking(true);
    setFrameShape(QFrame::NoFrame);
    setStyleSheet(QStringLiteral("CListCtrlEx { background: %1; border: 1px solid %2; outline: none; }")
                      .arg(skin::palette::Surface.name(), skin::palette::Border.name()));
    setItemHeight(22);
    skin::ScrollBar::attach(this);
    connect(this, &QTableWidget::itemChanged, this, &CListCtrlEx::onItemChanged);
    // The header flips its own sort indicator on a click; the rows follow the indicator.
    connect(horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, &CListCtrlEx::onSortIndicatorChanged);
}

CListCtrlEx::~CListCtrlEx() = default;

int CListCtrlEx::addColumn(const QString& title, int width, Qt::Alignment alignment)
{
    const int column = columnCount();
    setColumnCount(column + 1);
    auto* header = new QTableWidgetItem(title);
    header->setTextAlignment(alignment | Qt::AlignVCenter);
    setHorizontalHeaderItem(column, header);
    m_columnAlignment.append(alignment);
    if (width <= 0) {
        setColumnHidden(column, true);
    } else {
        setColumnWidth(column, width);
    }
    return column;
}

QString CListCtrlEx::columnTitle(int column) const
{
    const QTableWidgetItem* header = horizontalHeaderItem(column);
    return header ? header->text() : QString();
}

int CListCtrlEx::columnLeft(int column) const
{
    return columnViewportPosition(column);
}

QTableWidgetItem* CListCtrlEx::cell(int row, int column)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    QTableWidgetItem* existing = item(row, column);
    if (existing)
        return existing;
    auto* created = new QTableWidgetItem;
    created->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    created->setTextAlignment(m_columnAlignment.value(column, Qt::AlignLeft) | Qt::AlignVCenter);
    if (column == 0 && m_checkBoxes) {
        created->setFlags(created->flags() | Qt::ItemIsUserCheckable);
        created->setCheckState(Qt::Unchecked);
        created->setData(CheckMemoRole, false);
    }
    setItem(row, column, created);
    return created;
}

int CListCtrlEx::insertItem(int row, const QString& text)
{
    if (columnCount() == 0)
        addColumn(QString(), 100);
    row = std::clamp(row, 0, rowCount());
    const QSignalBlocker quiet(this);
    insertRow(row);
    cell(row, 0)->setText(text);
    return row;
}

int CListCtrlEx::appendItem(const QStringList& cells, const QVariant& data)
{
    const int row = insertItem(rowCount(), cells.value(0));
    for (int column = 1; column < cells.size(); ++column)
        setItemText(row, column, cells.at(column));
    if (data.isValid())
        setItemData(row, data);
    return row;
}

void CListCtrlEx::setItemText(int row, int column, const QString& text)
{
    if (QTableWidgetItem* target = cell(row, column))
        target->setText(text);
}

QString CListCtrlEx::itemText(int row, int column) const
{
    const QTableWidgetItem* source = item(row, column);
    return source ? source->text() : QString();
}

void CListCtrlEx::setItemData(int row, const QVariant& data)
{
    if (QTableWidgetItem* target = cell(row, 0)) {
        const QSignalBlocker quiet(this);
        target->setData(DataRole, data);
    }
}

QVariant CListCtrlEx::itemData(int row) const
{
    const QTableWidgetItem* source = item(row, 0);
    return source ? source->data(DataRole) : QVariant();
}

bool CListCtrlEx::deleteItem(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    if (m_hoverRow >= row)
        m_hoverRow = -1;
    removeRow(row);
    return true;
}

void CListCtrlEx::deleteAllItems()
{
    m_hoverRow = -1;
    setRowCount(0);
}

void CListCtrlEx::setCheckBoxes(bool enabled)
{
    m_checkBoxes = enabled;
    const QSignalBlocker quiet(this);
    for (int row = 0; row < rowCount(); ++row) {
        QTableWidgetItem* first = cell(row, 0);
        if (enabled) {
            first->setFlags(first->flags() | Qt::ItemIsUserCheckable);
            first->setCheckState(Qt::Unchecked);
            first->setData(CheckMemoRole, false);
        } else {
            first->setFlags(first->flags() & ~Qt::ItemIsUserCheckable);
            first->setData(Qt::CheckStateRole, QVariant());
        }
    }
}

void CListCtrlEx::setItemChecked(int row, bool checked)
{
    if (!m_checkBoxes)
        return;
    if (QTableWidgetItem* first = cell(row, 0))
        first->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

bool CListCtrlEx::isItemChecked(int row) const
{
    const QTableWidgetItem* first = item(row, 0);
    return m_checkBoxes && first && first->checkState() == Qt::Checked;
}

QList<int> CListCtrlEx::checkedRows() const
{
    QList<int> rows;
    for (int row = 0; row < rowCount(); ++row) {
        if (isItemChecked(row))
            rows.append(row);
    }
    return rows;
}

int CListCtrlEx::selectedRow() const
{
    const QList<int> rows = selectedRowList();
    return rows.isEmpty() ? -1 : rows.first();
}

QList<int> CListCtrlEx::selectedRowList() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CListCtrlEx::setItemHeight(int pixels)
{
    verticalHeader()->setMinimumSectionSize(std::min(pixels, verticalHeader()->minimumSectionSize()));
    verticalHeader()->setDefaultSectionSize(pixels);
}

void CListCtrlEx::setIntersectColors(const QColor& even, const QColor& odd)
{
    m_evenColor = even;
    m_oddColor = odd;
    viewport()->update();
}

void CListCtrlEx::setCellTextColor(int row, int column, const QColor& colour)
{
    if (QTableWidgetItem* target = cell(row, column)) {
        const QSignalBlocker quiet(this);
        target->setForeground(colour);
    }
}

void CListCtrlEx::setSortingByHeader(bool enabled)
{
    m_sortByHeader = enabled;
    horizontalHeader()->setSortIndicatorShown(enabled);
}

QColor CListCtrlEx::cellTextColor(int row, int column) const
{
    const QTableWidgetItem* source = item(row, column);
    if (source) {
        const QVariant foreground = source->data(Qt::ForegroundRole);
        if (foreground.isValid())
            return foreground.value<QBrush>().color();
    }
    return skin::palette::Text;
}

QColor CListCtrlEx::cellBackgroundColor(int row, int) const
{
    if (m_evenColor.isValid() && m_oddColor.isValid())
        return row % 2 == 0 ? m_evenColor : m_oddColor;
    return skin::palette::Surface;
}

int CListCtrlEx::compareItems(int rowA, int rowB, int column) const
{
    const QString a = itemText(rowA, column);
    const QString b = itemText(rowB, column);
    bool numberA = false;
    bool numberB = false;
    const double valueA = a.toDouble(&numberA);
    const double valueB = b.toDouble(&numberB);
    if (numberA && numberB)
        return valueA < valueB ? -1 : (valueA > valueB ? 1 : 0);
    return QString::localeAwareCompare(a, b);
}

void CListCtrlEx::sortRows(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= columnCount() || rowCount() < 2)
        return;
    QList<int> order_(rowCount());
    std::iota(order_.begin(), order_.end(), 0);
    std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
        const int result = compareItems(a, b, column);
        return order == Qt::AscendingOrder ? result < 0 : result > 0;
    });
    const int selected = selectedRow();
    QList<QList<QTableWidgetItem*>> taken(rowCount());
    const QSignalBlocker quiet(this);
    for (int row = 0; row < rowCount(); ++row) {
        for (int c = 0; c < columnCount(); ++c)
            taken[row].append(takeItem(row, c));
    }
    int newSelected = -1;
    for (int row = 0; row < order_.size(); ++row) {
        const int from = order_.at(row);
        if (from == selected)
            newSelected = row;
        for (int c = 0; c < columnCount(); ++c) {
            if (QTableWidgetItem* moved = taken[from].at(c))
                setItem(row, c, moved);
        }
    }
    if (newSelected >= 0)
        selectRow(newSelected);
    m_sorting = true;
    horizontalHeader()->setSortIndicator(column, order);
    m_sorting = false;
}

void CListCtrlEx::onItemChanged(QTableWidgetItem* changed)
{
    if (!m_checkBoxes || !changed || changed->column() != 0 || !(changed->flags() & Qt::ItemIsUserCheckable))
        return;
    const bool checked = changed->checkState() == Qt::Checked;
    if (changed->data(CheckMemoRole).toBool() == checked)
        return;
    {
        const QSignalBlocker quiet(this);
        changed->setData(CheckMemoRole, checked);
    }
    emit itemCheckChanged(changed->row(), checked);
}

void CListCtrlEx::onSortIndicatorChanged(int column, Qt::SortOrder order)
{
    if (m_sortByHeader && !m_sorting)
        sortRows(column, order);
}

void CListCtrlEx::mouseMoveEvent(QMouseEvent* event)
{
    const int row = rowAt(event->position().toPoint().y());
    if (row != m_hoverRow) {
        m_hoverRow = row;
        viewport()->update();
    }
    QTableWidget::mouseMoveEvent(event);
}

void CListCtrlEx::leaveEvent(QEvent* event)
{
    if (m_hoverRow != -1) {
        m_hoverRow = -1;
        viewport()->update();
    }
    QTableWidget::leaveEvent(event);
}
