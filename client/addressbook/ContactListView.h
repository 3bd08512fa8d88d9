#pragma once

#include <QTableView>

// The skinned report list of the address-book windows, as a view over a table model:
// the skin's header and scroll bars, full-row selection, one row per contact, and
// the first column's check box (Qt::CheckStateRole) drawn with the skin's check
// pictures. A click on the box ticks it, through the model's setData; with
// setRowClickChecks, so does a click anywhere in the row past the box's margin.
// Widths are in pixels; a width of 0 hides the column.
class ContactListView : public QTableView {
    Q_OBJECT
public:
    explicit ContactListView(QWidget* parent = nullptr);

    void setColumnWidths(const QList<int>& widths); // 0 hides the column
    void setRowHeight(int pixels);
    // A left click in a row further than margin pixels from the list's left edge
    // (beside the check box) toggles that row's check box.
    void setRowClickChecks(bool enabled, int margin = 15);
    int hoveredRow() const { return m_hoverRow; }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRect checkBoxRect(const QModelIndex& index) const;

    int m_hoverRow = -1;
    bool m_rowClickChecks = false;
    int m_rowClickMargin = 15;
};
