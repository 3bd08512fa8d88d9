#include "conference/WaitingListModel.h"

#include "core/conference/LiveRoster.h"
#include "core/conference/RosterText.h"

WaitingListModel::WaitingListModel(LiveRoster& roster, QObject* parent)
    : RosterListModel(roster, RosterList::Waiting, parent)
{
}

int WaitingListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
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

QVariant WaitingListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NameColumn:
        return tr("姓名");
    case PhoneColumn:
        return tr("电话");
    case OperationColumn:
        return tr("操作");
    default:
        return {};
    }
}
