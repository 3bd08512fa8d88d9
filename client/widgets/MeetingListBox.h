#pragma once

#include "widgets/MeetingListItem.h"

#include <QList>
#include <QListView>
#include <QPixmap>
#include <QPointer>

class QStandardItemModel;

// The two-line conference list of the meetings panel: a view over any model whose
// rows answer ItemRole with a MeetingListItem (the meetings panel's MeetingListModel).
// Without a model of its own it shows the rows given to addRow. The row under the
// mouse is the selected row; a click asks the main window to open that conference
// (WM_USER+51 for running conferences, WM_USER+55 for booked ones, with
// wParam = kind and lParam = the row).
class MeetingListBox : public QListView {
    Q_OBJECT
public:
    enum Kind { Running = 0, Booked = 1 };
    static constexpr int kRowHeight = 64;
    static constexpr int ItemRole = Qt::UserRole + 1;

    explicit MeetingListBox(QWidget* parent = nullptr);

    void setKind(int kind) { m_kind = kind; }
    int kind() const { return m_kind; }

    // Icons drawn at the left of each row, indexed by a row's image number.
    void setImageList(const QList<QPixmap>& images);
    const QList<QPixmap>& imageList() const { return m_images; }

    // Rows of the list's own model, for lists that have no model of their own.
    int addRow(int image, const QString& first, const QString& second, const QString& third, int key);
    void clearRows();

    int count() const;
    MeetingListItem row(int index) const;

    // Where the open request goes; by default the top-level window holding the list.
    void setMessageTarget(QObject* target) { m_target = target; }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void selectOnly(int row);

    int m_kind = Running;
    QList<QPixmap> m_images;
    QPointer<QObject> m_target;
    QStandardItemModel* m_ownRows;
};
