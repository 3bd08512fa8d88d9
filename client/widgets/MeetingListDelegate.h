#pragma once

#include <QStyledItemDelegate>

class MeetingListBox;

// Draws a meeting-list row: an icon cell, the topic, and "会议开始时间：" with the time.
class MeetingListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit MeetingListDelegate(MeetingListBox* list);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    MeetingListBox* m_list;
};
