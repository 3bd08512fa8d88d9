#include "conference/BookingListModel.h"

BookingListModel::BookingListModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

bool BookingListModel::add(const ContactRecord& entry)
{
    if (!m_participants.accepts(entry))
        return false;
    const bool shown = m_participants.passesFilter(entry);
    const int row = m_participants.rowCount();
    if (shown)
        beginInsertRows({}, row, row);
    m_participants.add(entry);
    if (shown)
        endInsertRows();
    emit countChanged(m_participants.count());
    return true;
}

bool BookingListModel::removeShownRow(int row)
{
    if (row < 0 || row >= m_participants.rowCount())
        return false;
    beginRemoveRows({}, row, row);
    m_participants.removeRow(row);
    endRemoveRows();
    emit countChanged(m_participants.count());
    return true;
}

void BookingListModel::setFilter(const QString& filter)
{
    const std::string text = filter.toStdString();
    if (text == m_participants.filter())
        return;
    beginResetModel();
    m_participants.setFilter(text);
    endResetModel();
}

void BookingListModel::clear()
{
    beginResetModel();
    m_participants.clear();
    endResetModel();
    emit countChanged(0);
}

int BookingListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_participants.rowCount();
}

int BookingListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BookingListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_participants.rowCount())
        return {};
    const ContactRecord& entry = m_participants.row(index.row());
    switch (index.column()) {
    case NameColumn:
        return QString::fromStdString(entry.addressname);
    case PhoneColumn:
        return QString::fromStdString(entry.phone);
    case OperationColumn:
        return tr("删除");
    default:
        return {};
    }
}

QVariant BookingListModel::headerData(int section, Qt::Orientation orientation, int role) const
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
