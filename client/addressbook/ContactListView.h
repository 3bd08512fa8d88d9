#pragma once

#include <QTableView>

// The skinned report list of the address-book windows, as a view over a table model:
// the skin's header and scroll bars, full-row selection, one row per contact, and
// the first column's check box (Qt::CheckStateRole) drawn with the skin's check
// pictures. A click on the box ticks it, through the model's setData. Hidden columns
// are the model's (setColumnHidden); widths are in pixels.
class ContactListView : public QTableView {
    Q_OBJECT
public:
    explicit ContactListView(QWidget* parent = nullptr);

    void setColumnWidths(const QList<int>& widths); // 0 hides the column
    void setRowHeight(int pixels);
    int hoveredRow() const { return m_hoverRow; }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int m_hoverRow = -1;
};
