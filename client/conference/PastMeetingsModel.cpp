#include "conference/PastMeetingsModel.h"

#include "core/conference/PastMeetingTable.h"

PastMeetingsModel::PastMeetingsModel(const PastMeetingTable& table, QObject* parent)
    : QAbstractTableModel(parent)
    , m_table(table)
{
}

void PastMeetingsModel::setFilter(const QString& text)
{
    m_filter = text;
    m_filterText = text.toStdString();
    rebuild();
}

void PastMeetingsModel::rebuild()
{
    beginResetModel();
    m_shown = m_table.shownIndexes(m_filterText);
    endResetModel();
}

int PastMeetingsModel::recordIndex(int row) const
{
    return row >= 0 && row < int(m_shown.size()) ? m_shown[std::size_t(row)] : -1;
}

int PastMeetingsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

int PastMeetingsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PastMeetingsModel::data(const QModelIndex& index, int role) const
{
    const int record = recordIndex(index.row());
    const ConferenceRecord* conference = m_table.at(record);
    if (!conference || role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case IdColumn:
        return QString::fromStdString(conference->conferenceId);
    case TopicColumn:
        return QString::fromStdString(conference->topic);
    case TimeColumn:
        return QString::fromStdString(m_table.timeTextAt(record));
    case HostColumn:
        return QString::fromStdString(conference->hostNumber);
    case OperationColumn:
        return tr("即时  预约");
    default:
        return {};
    }
}

QVariant PastMeetingsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case IdColumn:
        return tr("编号");
    case TopicColumn:
        return tr("会议主题");
    case TimeColumn:
        return tr("会议时间");
    case HostColumn:
        return tr("主持号码");
    case OperationColumn:
        return tr("重新发起");
    default:
        return {};
    }
}
