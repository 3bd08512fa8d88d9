#include "addressbook/ContactPickerModel.h"

ContactPickerModel::ContactPickerModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void ContactPickerModel::setContacts(std::vector<ContactRecord> contacts)
{
    beginResetModel();
    m_rows.clear();
    m_rowOfNumber.clear();
    m_rows.reserve(contacts.size());
    for (ContactRecord& contact : contacts) {
        // A number listed twice keeps its first row, as a look-up in the book would.
        m_rowOfNumber.emplace(contact.addressno, static_cast<int>(m_rows.size()));
        m_rows.push_back({ std::move(contact), false });
    }
    endResetModel();
}

int ContactPickerModel::rowOf(int addressno) const
{
    const auto found = m_rowOfNumber.find(addressno);
    return found == m_rowOfNumber.end() ? -1 : found->second;
}

void ContactPickerModel::setChecked(int row, bool checked)
{
    if (row < 0 || row >= rowCount() || m_rows[std::size_t(row)].checked == checked)
        return;
    m_rows[std::size_t(row)].checked = checked;
    const QModelIndex cell = index(row, NameColumn);
    emit dataChanged(cell, cell, { Qt::CheckStateRole });
}

void ContactPickerModel::setAllChecked(bool checked)
{
    if (m_rows.empty())
        return;
    for (Row& row : m_rows)
        row.checked = checked;
    emit dataChanged(index(0, NameColumn), index(rowCount() - 1, NameColumn), { Qt::CheckStateRole });
}

bool ContactPickerModel::isChecked(int row) const
{
    return row >= 0 && row < rowCount() && m_rows[std::size_t(row)].checked;
}

std::vector<int> ContactPickerModel::checkedAddressNos() const
{
    std::vector<int> numbers;
    for (const Row& row : m_rows) {
        if (row.checked)
            numbers.push_back(row.contact.addressno);
    }
    return numbers;
}

int ContactPickerModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ContactPickerModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ContactPickerModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Row& row = m_rows[std::size_t(index.row())];
    if (role == Qt::CheckStateRole && index.column() == NameColumn)
        return int(row.checked ? Qt::Checked : Qt::Unchecked);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case NameColumn:
        return QString::fromStdString(row.contact.addressname);
    case NumberColumn:
        return QString::number(row.contact.addressno);
    case SexColumn:
        return row.contact.sex == 1 ? tr("男") : tr("女");
    case PhoneColumn:
        return QString::fromStdString(row.contact.phone);
    default:
        return {};
    }
}

bool ContactPickerModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != NameColumn || role != Qt::CheckStateRole)
        return false;
    setChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

QVariant ContactPickerModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NameColumn:
        return tr("姓名");
    case NumberColumn:
        return tr("编号");
    case SexColumn:
        return tr("性别");
    case PhoneColumn:
        return tr("电话");
    default:
        return {};
    }
}

Qt::ItemFlags ContactPickerModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == NameColumn)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}
