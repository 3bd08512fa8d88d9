#include "conference/RosterListModel.h"

#include "core/conference/LiveRoster.h"

#include <algorithm>
#include <utility>

RosterListModel::RosterListModel(LiveRoster& roster, RosterList list, QStringList headers, QObject* parent)
    : QAbstractTableModel(parent)
    , m_roster(roster)
    , m_list(list)
    , m_headers(std::move(headers))
    , m_shownRows(roster.rowCount(list))
{
    m_roster.addObserver(this);
}

RosterListModel::~RosterListModel()
{
    m_roster.removeObserver(this);
}

int RosterListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_shownRows;
}

int RosterListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_headers.size());
}

QVariant RosterListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= m_headers.size())
        return {};
    return m_headers.at(section);
}

bool RosterListModel::isRow(const QModelIndex& index) const
{
    return index.isValid() && index.row() < rowCount() && index.column() < columnCount();
}

void RosterListModel::rowsAboutToBeInserted(RosterList list, int first, int last)
{
    if (list != m_list)
        return;
    if (m_applyingMemberList && first == m_roster.rowCount(m_list)) {
        m_holdingInsertion = true;
        return;
    }
    showHeldRows();
    beginInsertRows({}, first, last);
}

void RosterListModel::rowsInserted(RosterList list)
{
    if (list != m_list)
        return;
    if (m_holdingInsertion) {
        m_holdingInsertion = false;
        return;
    }
    m_shownRows = m_roster.rowCount(m_list);
    endInsertRows();
}

void RosterListModel::rowsAboutToBeRemoved(RosterList list, int first, int last)
{
    if (list != m_list)
        return;
    showHeldRows();
    beginRemoveRows({}, first, last);
}

void RosterListModel::rowsRemoved(RosterList list)
{
    if (list != m_list)
        return;
    m_shownRows = m_roster.rowCount(m_list);
    endRemoveRows();
}

void RosterListModel::rowsChanged(RosterList list, int first, int last)
{
    // Rows still held back show their new cells when they are inserted.
    last = std::min(last, m_shownRows - 1);
    if (list == m_list && first <= last)
        emit dataChanged(index(first, 0), index(last, columnCount() - 1));
}

void RosterListModel::listAboutToBeReset(RosterList list)
{
    if (list == m_list)
        beginResetModel();
}

void RosterListModel::listReset(RosterList list)
{
    if (list != m_list)
        return;
    m_shownRows = m_roster.rowCount(m_list);
    endResetModel();
}

void RosterListModel::memberListBegins()
{
    m_applyingMemberList = true;
}

void RosterListModel::memberListEnds()
{
    m_applyingMemberList = false;
    showHeldRows();
}

void RosterListModel::showHeldRows()
{
    const int rosterRows = m_roster.rowCount(m_list);
    if (rosterRows <= m_shownRows)
        return;
    beginInsertRows({}, m_shownRows, rosterRows - 1);
    m_shownRows = rosterRows;
    endInsertRows();
}
