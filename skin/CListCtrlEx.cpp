#include "skin/CListCtrlEx.h"

#include "skin/Artwork.h"
#include "skin/HeaderView.h"
#include "skin/Palette.h"
#include "skin/ScrollBar.h"

#include <QItemSelectionModel>
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
        option.displayAlignment = m_list->cellAlignment(row, column);

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
    : QTableView(parent)
    , m_items(new QStandardItemModel(this))
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
    connect(m_items, &QStandardItemModel::itemChanged, this, &CListCtrlEx::onItemChanged);
    // The header flips its own sort indicator on a click; the rows follow the indicator.
    connect(horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, &CListCtrlEx::onSortIndicatorChanged);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &CListCtrlEx::onSectionResized);
    setModel(nullptr);
}

CListCtrlEx::~CListCtrlEx() = default;

void CListCtrlEx::setModel(QAbstractItemModel* outside)
{
    QAbstractItemModel* next = outside ? outside : m_items;
    if (next == model())
        return;
    for (const QMetaObject::Connection& connection : std::as_const(m_modelConnections))
        disconnect(connection);
    m_modelConnections.clear();

    QItemSelectionModel* oldSelection = selectionModel();
    QTableView::setModel(next);
    // The view makes a new selection model for every model and keeps the old one
    // until the old model goes; switching back and forth must not pile them up.
    if (oldSelection && oldSelection->parent() == this)
        oldSelection->deleteLater();

    // Connected after the header's own handlers, so the layout is applied to the
    // sections the header has just rebuilt.
    m_modelConnections = {
        connect(next, &QAbstractItemModel::columnsInserted, this, &CListCtrlEx::applyColumnLayout),
        connect(next, &QAbstractItemModel::columnsRemoved, this, &CListCtrlEx::applyColumnLayout),
        connect(next, &QAbstractItemModel::columnsMoved, this, &CListCtrlEx::applyColumnLayout),
        connect(next, &QAbstractItemModel::modelReset, this, &CListCtrlEx::applyColumnLayout),
        // Rows shifting under the cursor would leave the highlight on another record.
        connect(next, &QAbstractItemModel::rowsInserted, this, &CListCtrlEx::forgetHover),
        connect(next, &QAbstractItemModel::rowsRemoved, this, &CListCtrlEx::forgetHover),
        connect(next, &QAbstractItemModel::rowsMoved, this, &CListCtrlEx::forgetHover),
        connect(next, &QAbstractItemModel::layoutChanged, this, &CListCtrlEx::forgetHover),
        connect(next, &QAbstractItemModel::modelReset, this, &CListCtrlEx::forgetHover),
    };
    applyColumnLayout();
    forgetHover();
}

bool CListCtrlEx::showsOwnRows() const
{
    return model() == m_items;
}

void CListCtrlEx::setColumnWidths(const QList<int>& widths)
{
    m_columnWidths = widths;
    applyColumnLayout();
}

void CListCtrlEx::setColumnAlignment(int column, Qt::Alignment alignment)
{
    if (column < 0)
        return;
    while (m_columnAlignment.size() <= column)
        m_columnAlignment.append(Qt::AlignLeft);
    m_columnAlignment[column] = alignment;
    if (auto* header = qobject_cast<skin::HeaderView*>(horizontalHeader()))
        header->setSectionAlignment(column, alignment | Qt::AlignVCenter);
    viewport()->update();
}

Qt::Alignment CListCtrlEx::columnAlignment(int column) const
{
    return m_columnAlignment.value(column, Qt::AlignLeft);
}

void CListCtrlEx::applyColumnLayout()
{
    const int columns = std::min(static_cast<int>(m_columnWidths.size()), columnCount());
    m_applyingLayout = true;
    for (int column = 0; column < columns; ++column) {
        const int width = m_columnWidths.at(column);
        setColumnHidden(column, width <= 0);
        if (width > 0)
            setColumnWidth(column, width);
    }
    m_applyingLayout = false;
}

void CListCtrlEx::onSectionResized(int column, int, int newSize)
{
    // A width the user dragged stays when the model resets; hiding is not a width.
    if (m_applyingLayout || newSize <= 0 || column >= m_columnWidths.size() || m_columnWidths.at(column) <= 0)
        return;
    m_columnWidths[column] = newSize;
}

void CListCtrlEx::forgetHover()
{
    if (m_hoverRow == -1)
        return;
    m_hoverRow = -1;
    viewport()->update();
}

QString CListCtrlEx::columnTitle(int column) const
{
    return model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

int CListCtrlEx::columnLeft(int column) const
{
    return columnViewportPosition(column);
}

int CListCtrlEx::columnCount() const
{
    return model()->columnCount(rootIndex());
}

int CListCtrlEx::itemCount() const
{
    return model()->rowCount(rootIndex());
}

QModelIndex CListCtrlEx::cellIndex(int row, int column) const
{
    if (row < 0 || row >= itemCount() || column < 0 || column >= columnCount())
        return {};
    return model()->index(row, column, rootIndex());
}

QString CListCtrlEx::itemText(int row, int column) const
{
    return cellIndex(row, column).data(Qt::DisplayRole).toString();
}

QVariant CListCtrlEx::itemData(int row) const
{
    return cellIndex(row, 0).data(DataRole);
}

bool CListCtrlEx::isItemChecked(int row) const
{
    const QVariant state = cellIndex(row, 0).data(Qt::CheckStateRole);
    return state.isValid() && state.toInt() == Qt::Checked;
}

QList<int> CListCtrlEx::checkedRows() const
{
    QList<int> rows;
    for (int row = 0; row < itemCount(); ++row) {
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

void CListCtrlEx::setSortingByHeader(bool enabled)
{
    m_sortByHeader = enabled;
    horizontalHeader()->setSortIndicatorShown(enabled);
}

QColor CListCtrlEx::cellTextColor(int row, int column) const
{
    const QVariant foreground = cellIndex(row, column).data(Qt::ForegroundRole);
    if (foreground.metaType() == QMetaType::fromType<QColor>())
        return foreground.value<QColor>();
    if (foreground.metaType() == QMetaType::fromType<QBrush>())
        return foreground.value<QBrush>().color();
    return skin::palette::Text;
}

QColor CListCtrlEx::cellBackgroundColor(int row, int) const
{
    if (m_evenColor.isValid() && m_oddColor.isValid())
        return row % 2 == 0 ? m_evenColor : m_oddColor;
    return skin::palette::Surface;
}

Qt::Alignment CListCtrlEx::cellAlignment(int row, int column) const
{
    const QVariant given = cellIndex(row, column).data(Qt::TextAlignmentRole);
    Qt::Alignment alignment = given.isValid() ? Qt::Alignment(given.toInt()) : columnAlignment(column);
    if (!(alignment & Qt::AlignVertical_Mask))
        alignment |= Qt::AlignVCenter;
    return alignment;
}

// --- Own rows ---------------------------------------------------------------------

int CListCtrlEx::addColumn(const QString& title, int width, Qt::Alignment alignment)
{
    if (!showsOwnRows())
        return -1;
    const int column = m_items->columnCount();
    auto* header = new QStandardItem(title);
    header->setTextAlignment(alignment | Qt::AlignVCenter);
    m_items->setHorizontalHeaderItem(column, header);
    while (m_columnWidths.size() <= column)
        m_columnWidths.append(columnWidth(static_cast<int>(m_columnWidths.size())));
    m_columnWidths[column] = width;
    setColumnAlignment(column, alignment);
    applyColumnLayout();
    return column;
}

QStandardItem* CListCtrlEx::newCell(int column, const QString& text) const
{
    auto* created = new QStandardItem(text);
    created->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    created->setTextAlignment(columnAlignment(column) | Qt::AlignVCenter);
    if (column == 0 && m_checkBoxes) {
        created->setFlags(created->flags() | Qt::ItemIsUserCheckable);
        created->setCheckState(Qt::Unchecked);
        created->setData(false, CheckMemoRole);
    }
    return created;
}

QStandardItem* CListCtrlEx::cell(int row, int column)
{
    if (!showsOwnRows() || row < 0 || row >= m_items->rowCount() || column < 0 || column >= m_items->columnCount())
        return nullptr;
    if (QStandardItem* existing = m_items->item(row, column))
        return existing;
    QStandardItem* created = newCell(column);
    m_items->setItem(row, column, created);
    return created;
}

QStandardItem* CListCtrlEx::item(int row, int column) const
{
    return showsOwnRows() ? m_items->item(row, column) : nullptr;
}

QRect CListCtrlEx::visualItemRect(const QStandardItem* item) const
{
    return item && item->model() == model() ? visualRect(item->index()) : QRect();
}

int CListCtrlEx::insertItem(int row, const QString& text)
{
    if (!showsOwnRows())
        return -1;
    if (m_items->columnCount() == 0)
        addColumn(QString(), 100);
    row = std::clamp(row, 0, m_items->rowCount());
    // The row arrives whole: one insert, no change signals for its first cell.
    m_items->insertRow(row, QList<QStandardItem*> { newCell(0, text) });
    return row;
}

int CListCtrlEx::appendItem(const QStringList& cells, const QVariant& data)
{
    const int row = insertItem(itemCount(), cells.value(0));
    if (row < 0)
        return row;
    for (int column = 1; column < cells.size(); ++column)
        setItemText(row, column, cells.at(column));
    if (data.isValid())
        setItemData(row, data);
    return row;
}

void CListCtrlEx::setItemText(int row, int column, const QString& text)
{
    if (QStandardItem* target = cell(row, column))
        target->setText(text);
}

void CListCtrlEx::setItemData(int row, const QVariant& data)
{
    if (QStandardItem* target = cell(row, 0))
        target->setData(data, DataRole);
}

bool CListCtrlEx::deleteItem(int row)
{
    if (!showsOwnRows() || row < 0 || row >= m_items->rowCount())
        return false;
    m_items->removeRow(row);
    return true;
}

void CListCtrlEx::deleteAllItems()
{
    if (showsOwnRows())
        m_items->setRowCount(0);
}

void CListCtrlEx::setCheckBoxes(bool enabled)
{
    if (!showsOwnRows())
        return;
    m_checkBoxes = enabled;
    for (int row = 0; row < m_items->rowCount(); ++row) {
        QStandardItem* first = cell(row, 0);
        if (enabled) {
            first->setData(false, CheckMemoRole);
            first->setFlags(first->flags() | Qt::ItemIsUserCheckable);
            first->setCheckState(Qt::Unchecked);
        } else {
            first->setFlags(first->flags() & ~Qt::ItemIsUserCheckable);
            first->setData(QVariant(), Qt::CheckStateRole);
        }
    }
}

void CListCtrlEx::setItemChecked(int row, bool checked)
{
    if (!m_checkBoxes)
        return;
    if (QStandardItem* first = cell(row, 0))
        first->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void CListCtrlEx::setCellTextColor(int row, int column, const QColor& colour)
{
    if (QStandardItem* target = cell(row, column))
        target->setForeground(colour);
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
    const int rows = showsOwnRows() ? m_items->rowCount() : 0;
    const int columns = m_items->columnCount();
    if (column < 0 || column >= columns || rows < 2)
        return;
    QList<int> sorted(rows);
    std::iota(sorted.begin(), sorted.end(), 0);
    std::stable_sort(sorted.begin(), sorted.end(), [&](int a, int b) {
        const int result = compareItems(a, b, column);
        return order == Qt::AscendingOrder ? result < 0 : result > 0;
    });
    const int selected = selectedRow();
    // The items move, not their texts: data, checks and colours travel with them.
    QList<QList<QStandardItem*>> taken(rows);
    for (int row = 0; row < rows; ++row) {
        for (int c = 0; c < columns; ++c)
            taken[row].append(m_items->takeItem(row, c));
    }
    int newSelected = -1;
    for (int row = 0; row < rows; ++row) {
        const int from = sorted.at(row);
        if (from == selected)
            newSelected = row;
        for (int c = 0; c < columns; ++c) {
            if (QStandardItem* moved = taken[from].at(c))
                m_items->setItem(row, c, moved);
        }
    }
    if (newSelected >= 0)
        selectRow(newSelected);
    m_sorting = true;
    horizontalHeader()->setSortIndicator(column, order);
    m_sorting = false;
}

void CListCtrlEx::onItemChanged(QStandardItem* changed)
{
    if (!m_checkBoxes || !changed || changed->column() != 0 || !(changed->flags() & Qt::ItemIsUserCheckable))
        return;
    const bool checked = changed->checkState() == Qt::Checked;
    // Any change of the first cell lands here; only a new check state is news.
    if (changed->data(CheckMemoRole).toBool() == checked)
        return;
    changed->setData(checked, CheckMemoRole);
    emit itemCheckChanged(changed->row(), checked);
}

void CListCtrlEx::onSortIndicatorChanged(int column, Qt::SortOrder order)
{
    if (!m_sortByHeader || m_sorting)
        return;
    if (showsOwnRows())
        sortRows(column, order);
    else
        model()->sort(column, order);
}

void CListCtrlEx::mouseMoveEvent(QMouseEvent* event)
{
    const int row = rowAt(event->position().toPoint().y());
    if (row != m_hoverRow) {
        m_hoverRow = row;
        viewport()->update();
    }
    QTableView::mouseMoveEvent(event);
}

void CListCtrlEx::leaveEvent(QEvent* event)
{
    forgetHover();
    QTableView::leaveEvent(event);
}
