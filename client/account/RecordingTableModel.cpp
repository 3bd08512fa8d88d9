#include "account/RecordingTableModel.h"

RecordingTableModel::RecordingTableModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void RecordingTableModel::load(const std::string& resultText)
{
    beginResetModel();
    m_listing.load(resultText);
    m_shown = m_listing.allRows();
    endResetModel();
}

void RecordingTableModel::filter(const QString& text)
{
    beginResetModel();
    m_shown = m_listing.rowsHolding(text.toStdString());
    endResetModel();
}

void RecordingTableModel::clearShown()
{
    beginResetModel();
    m_shown.clear();
    endResetModel();
}

QString RecordingTableModel::address(int row) const
{
    if (row < 0 || row >= int(m_shown.size()))
        return {};
    return QString::fromStdString(m_listing.address(m_shown[std::size_t(row)]));
}

int RecordingTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

int RecordingTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : RecordingListing::ColumnCount;
}

QVariant RecordingTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_shown.size()))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == RecordingListing::Hint)
            return tr("双击试听录音");
        return QString::fromStdString(m_listing.cell(m_shown[std::size_t(index.row())], index.column()));
    case Qt::TextAlignmentRole:
        return int((index.column() == RecordingListing::Address ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant RecordingTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case RecordingListing::ConferenceId:
        return tr("会议编号");
    case RecordingListing::Title:
        return tr("会议名称");
    case RecordingListing::HostNumber:
        return tr("主持号码");
    case RecordingListing::Time:
        return tr("会议时间");
    case RecordingListing::Hint:
        return tr("录音试听");
    case RecordingListing::Address:
        return tr("录音文件");
    default:
        return {};
    }
}

QList<int> RecordingTableModel::widths()
{
    return { 120, 120, 130, 130, 86, 0 };
}
