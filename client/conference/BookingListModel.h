#pragma once

#include "core/conference/BookingParticipants.h"

#include <QAbstractTableModel>

// The scheduled page's participant list: "姓名", "电话", "操作" (the one word "删除").
// It owns the page's participants and changes them only through its mutators, so
// every change reaches the view as the narrowest signal: an added participant is one
// inserted row, a deleted one one removed row; a new filter or an emptied page resets.
// The hidden "编号" column of the list is not a model column: nothing reads it.
class BookingListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn, PhoneColumn, OperationColumn, ColumnCount };

    explicit BookingListModel(QObject* parent = nullptr);

    const BookingParticipants& participants() const { return m_participants; }

    // The add rule: refused (false) when the phone is already there.
    bool add(const ContactRecord& entry);
    bool removeShownRow(int row);
    void setFilter(const QString& filter);
    void clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    // The number of participants changed.
    void countChanged(int count);

private:
    BookingParticipants m_participants;
};
