#include "conference/RosterListModel.h"

#include "core/conference/LiveRoster.h"

RosterListModel::RosterListModel(LiveRoster& roster, RosterList list, QObject* parent)
    : QAbstractTableModel(parent)
    , m_roster(roster)
    , m_list(list)
{
    m_roster.addObserver(this);
}

RosterListModel::~RosterListModel()
{
    m_roster.removeObserver(this);
}

int RosterListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_roster.rowCount(m_list);
}

bool RosterListModel::isRow(const QModelIndex& index) const
{
    return index.isValid() && index.row() < rowCount() && index.column() < columnCount();
}

void RosterListModel::rowsAboutToBeInserted(RosterList list, int first, int last)
{
    if (list == m_list)
        beginInsertRows({}, first, last);
}

void RosterListModel::rowsInserted(RosterList list)
{
    if (list == m_list)
        endInsertRows();
}

void RosterListModel::rowsAboutToBeRemoved(RosterList list, int first, int last)
{
    if (list == m_list)
        beginRemoveRows({}, first, last);
}

void RosterListModel::rowsRemoved(RosterList list)
{
    if (list == m_list)
        endRemoveRows();
}

void RosterListModel::rowsChanged(RosterList list, int first, int last)
{
    if (list == m_list)
        emit dataChanged(index(first, 0), index(last, columnCount() - 1));
}

void RosterListModel::listAboutToBeReset(RosterList list)
{
    if (list == m_list)
        beginResetModel();
}

void RosterListModel::listReset(RosterList list)
{
    if (list == m_list)
        endResetModel();
}
