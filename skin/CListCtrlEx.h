#pragma once

#include <QColor>
#include <QHeaderView>
#include <QList>
#include <QMetaObject>
#include <QStandardItemModel>
#include <QTableView>
#include <QVariant>

// A skinned report list: a skinned header, skin scroll bars, full-row selection,
// a hover row, optional check boxes in the first column, one data value per row.
//
// It shows one of two kinds of rows:
// - its own rows (the default), kept in a model it owns and filled through the item
//   calls below, for the short lists of dialogs;
// - an outside model given with setModel(), for every list of records: the list is
//   then a plain view that follows the model's inserts, removals and dataChanged.
//   Titles come from the model's headerData; widths and alignments stay with the
//   view (setColumnWidths, setColumnAlignment) and survive the model's resets.
//   setModel(nullptr) shows the list's own rows again.
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
// QTableView mouse handlers and call the base first; columnLeft() and columnWidth()
// give the geometry in viewport coordinates. Rows are the model's rows.
class CListCtrlEx : public QTableView {
    Q_OBJECT

public:
    explicit CListCtrlEx(QWidget* parent = nullptr);
    ~CListCtrlEx() override;

    // The outside model to show, or nullptr for the list's own rows. The list does
    // not take the model over; the model's owner keeps it alive while it is shown.
    void setModel(QAbstractItemModel* model) override;
    bool showsOwnRows() const;

    // --- Both kinds of rows -------------------------------------------------------

    // Width per column from the left, in pixels; 0 hides the column. Columns the
    // model adds later take their width from here when it names one.
    void setColumnWidths(const QList<int>& widths);
    // Where a column's texts and title sit when the model does not say.
    void setColumnAlignment(int column, Qt::Alignment alignment);
    Qt::Alignment columnAlignment(int column) const;

    QString columnTitle(int column) const;
    int columnLeft(int column) const; // viewport x of the column's left edge
    int columnCount() const;
    int itemCount() const;

    QString itemText(int row, int column) const; // the cell's display text
    QVariant itemData(int row) const; // Qt::UserRole of the row's first cell
    bool isItemChecked(int row) const; // Qt::CheckStateRole of the row's first cell
    QList<int> checkedRows() const;

    int selectedRow() const; // the first selected row, -1 when none
    QList<int> selectedRowList() const;
    int hoveredRow() const { return m_hoverRow; }

    void setItemHeight(int pixels);
    void setIntersectColors(const QColor& even, const QColor& odd);

    // Clicking a column title sorts by that column (again: the other way round):
    // own rows through compareItems, an outside model through its sort().
    void setSortingByHeader(bool enabled);

    // The default text colour is the model's Qt::ForegroundRole, else the skin's.
    virtual QColor cellTextColor(int row, int column) const;
    virtual QColor cellBackgroundColor(int row, int column) const;
    // The model's Qt::TextAlignmentRole, else the column's alignment.
    virtual Qt::Alignment cellAlignment(int row, int column) const;

    // --- Own rows only: with an outside model these change nothing ----------------
    // (the model's owner changes the model), return -1, false or nullptr.

    int addColumn(const QString& title, int width, Qt::Alignment alignment = Qt::AlignLeft);

    // Inserts a row with its first cell (row past the end appends); returns its index.
    int insertItem(int row, const QString& text);
    int appendItem(const QStringList& cells, const QVariant& data = {});
    void setItemText(int row, int column, const QString& text);
    void setItemData(int row, const QVariant& data);
    bool deleteItem(int row);
    void deleteAllItems();

    // The cell's item; nullptr for a cell never written.
    QStandardItem* item(int row, int column) const;
    QRect visualItemRect(const QStandardItem* item) const;

    // With an outside model the check boxes are the model's (ItemIsUserCheckable,
    // Qt::CheckStateRole); itemCheckChanged is for own rows.
    void setCheckBoxes(bool enabled);
    bool hasCheckBoxes() const { return m_checkBoxes; }
    void setItemChecked(int row, bool checked);

    void setCellTextColor(int row, int column, const QColor& colour);

    void sortRows(int column, Qt::SortOrder order);
    // Negative, 0 or positive as row a sorts before, with or after row b.
    virtual int compareItems(int rowA, int rowB, int column) const;

signals:
    void itemCheckChanged(int row, bool checked);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QModelIndex cellIndex(int row, int column) const;
    QStandardItem* cell(int row, int column); // the own cell, created on first write
    QStandardItem* newCell(int column, const QString& text = {}) const;
    void applyColumnLayout();
    void forgetHover();
    void onItemChanged(QStandardItem* item);
    void onSectionResized(int column, int oldSize, int newSize);
    void onSortIndicatorChanged(int column, Qt::SortOrder order);

    QStandardItemModel* m_items;
    QList<QMetaObject::Connection> m_modelConnections;
    bool m_checkBoxes = false;
    bool m_sortByHeader = false;
    bool m_sorting = false;
    bool m_applyingLayout = false;
    int m_hoverRow = -1;
    QColor m_evenColor;
    QColor m_oddColor;
    QList<int> m_columnWidths;
    QList<Qt::Alignment> m_columnAlignment;
};
