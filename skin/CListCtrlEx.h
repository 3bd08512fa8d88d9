#pragma once

#include <QColor>
#include <QHeaderView>
#include <QList>
#include <QTableWidget>
#include <QVariant>

// A skinned report list: a skinned header, skin scroll bars, full-row selection,
// optional check boxes in the first column, one data value per row.
//
// The windows' list-control calls map as follows: InsertColumn / InitHeader →
// addColumn (a width of 0 hides the column); InsertItem → insertItem; SetItemText /
// GetItemText → setItemText / itemText; SetItemData / GetItemData → setItemData /
// itemData (the list owns the value); DeleteItem / DeleteAllItems → deleteItem /
// deleteAllItems; SetHeight → setItemHeight; SetBKColorIntersect →
// setIntersectColors; GetHeaderCtrl → horizontalHeader(). The drawing hooks
// OnGetCellTextColor, OnGetCellBkColor and OnCompareItems are the virtual
// cellTextColor, cellBackgroundColor and compareItems.
//
// Subclasses that react to the mouse (hover cursors, click hit-tests) override the
// QTableWidget mouse handlers and call the base first; columnLeft() and columnWidth()
// give the geometry in viewport coordinates.
class CListCtrlEx : public QTableWidget {
    Q_OBJECT

public:
    explicit CListCtrlEx(QWidget* parent = nullptr);
    ~CListCtrlEx() override;

    int addColumn(const QString& title, int width, Qt::Alignment alignment = Qt::AlignLeft);
    QString columnTitle(int column) const;
    int columnLeft(int column) const; // viewport x of the column's left edge

    // Inserts a row with its first cell (row past the end appends); returns its index.
    int insertItem(int row, const QString& text);
    int appendItem(const QStringList& cells, const QVariant& data = {});
    void setItemText(int row, int column, const QString& text);
    QString itemText(int row, int column) const;
    void setItemData(int row, const QVariant& data);
    QVariant itemData(int row) const;
    bool deleteItem(int row);
    void deleteAllItems();
    int itemCount() const { return rowCount(); }

    void setCheckBoxes(bool enabled);
    bool hasCheckBoxes() const { return m_checkBoxes; }
    void setItemChecked(int row, bool checked);
    bool isItemChecked(int row) const;
    QList<int> checkedRows() const;

    int selectedRow() const; // the first selected row, -1 when none
    QList<int> selectedRowList() const;
    int hoveredRow() const { return m_hoverRow; }

    void setItemHeight(int pixels);
    void setIntersectColors(const QColor& even, const QColor& odd);
    void setCellTextColor(int row, int column, const QColor& colour);

    // Clicking a column title sorts by that column (again: the other way round).
    void setSortingByHeader(bool enabled);
    void sortRows(int column, Qt::SortOrder order);

    virtual QColor cellTextColor(int row, int column) const;
    virtual QColor cellBackgroundColor(int row, int column) const;
    // Negative, 0 or positive as row a sorts before, with or after row b.
    virtual int compareItems(int rowA, int rowB, int column) const;

signals:
    void itemCheckChanged(int row, bool checked);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QTableWidgetItem* cell(int row, int column);
    void onItemChanged(QTableWidgetItem* item);
    void onSortIndicatorChanged(int column, Qt::SortOrder order);

    bool m_checkBoxes = false;
    bool m_sortByHeader = false;
    bool m_sorting = false;
    int m_hoverRow = -1;
    QColor m_evenColor;
    QColor m_oddColor;
    QList<Qt::Alignment> m_columnAlignment;
};
