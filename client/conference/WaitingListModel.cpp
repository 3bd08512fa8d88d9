#include "conference/WaitingListModel.h"

#include "core/conference/LiveRoster.h"
#include "core/conference/RosterText.h"

WaitingListModel::WaitingListModel(LiveRoster& roster, QObject* parent)
    : RosterListModel(roster, RosterList::Waiting, { tr("姓名"), tr("电话"), tr("操作") }, parent)
{
}

QVariant WaitingListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !isRow(index))
        return {};
    const RosterRow& row = roster().row(RosterList::Waiting, index.row());
    switch (index.column()) {
    case NameColumn:
        return QString::fromStdString(row.name);
    case PhoneColumn:
        return QString::fromStdString(row.phone);
    case OperationColumn:
        return RosterText::waitingOperation(row.operation);
    default:
        return {};
    }
}
