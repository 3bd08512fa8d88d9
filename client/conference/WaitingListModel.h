#pragma once

#include "conference/RosterListModel.h"

// The instant page's waiting list (list number 0): "姓名", "电话", "操作". The
// operation cell holds its words separated by two blanks.
class WaitingListModel : public RosterListModel {
    Q_OBJECT
public:
    enum Column { NameColumn, PhoneColumn, OperationColumn };

    explicit WaitingListModel(LiveRoster& roster, QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role) const override;
};
