#pragma once

#include "ui/MeetingListItem.h"

#include <QList>
#include <QListWidget>
#include <QPixmap>
#include <QPointer>

// The two-line conference list of the meetings panel. The row under the mouse is
// the selected row; a click asks the main window to open that conference
// (WM_USER+51 for running conferences, WM_USER+55 for booked ones, with
// wParam = kind and lParam = the row).
class MeetingListBox : public QListWidget {
    Q_OBJECT
public:
    enum Kind { Running = 0, Booked = 1 };
    static constexpr int kRowHeight = 64;

    explicit MeetingListBox(QWidget* parent = nullptr);

    void setKind(int kind) { m_kind = kind; }
    int kind() const { return m_kind; }

    // Icons drawn at the left of each row, indexed by a row's image number.
    void setImageList(const QList<QPixmap>& images);
    const QList<QPixmap>& imageList() const { return m_images; }

    int addRow(int image, const QString& first, const QString& second, const QString& third, int key);
    int insertRow(int index, int image, const QString& first, const QString& second, const QString& third, int key);
    void deleteRow(int index);
    void clearRows();
    using QListWidget::row;
    MeetingListItem row(int index) const;

    // Where the open request goes; by default the top-level window holding the list.
    void setMessageTarget(QObject* target) { m_target = target; }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QListWidgetItem* makeItem(const MeetingListItem& data) const;
    void selectOnly(int row);

    int m_kind = Running;
    QList<QPixmap> m_images;
    QPointer<QObject> m_target;
};
