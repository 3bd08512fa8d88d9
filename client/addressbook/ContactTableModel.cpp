#include "addressbook/ContactTableModel.h"

ContactTableModel::ContactTableModel(QList<Column> columns, QObject* parent)
    : QAbstractTableModel(parent)
    , m_columns(std::move(columns))
{
}

int ContactTableModel::columnOf(Field field) const
{
    for (int column = 0; column < m_columns.size(); ++column) {
        if (m_columns.at(column).field == field)
            return column;
    }
    return -1;
}

void ContactTableModel::setContacts(std::vector<ContactRecord> contacts)
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

int ContactTableModel::rowOf(int addressno) const
{
    const auto found = m_rowOfNumber.find(addressno);
    return found == m_rowOfNumber.end() ? -1 : found->second;
}

void ContactTableModel::setChecked(int row, bool checked)
{
    if (row < 0 || row >= rowCount() || m_rows[std::size_t(row)].checked == checked)
        return;
    m_rows[std::size_t(row)].checked = checked;
    const QModelIndex cell = index(row, 0);
    emit dataChanged(cell, cell, { Qt::CheckStateRole });
}

void ContactTableModel::setAllChecked(bool checked)
{
    if (m_rows.empty())
        return;
    for (Row& row : m_rows)
        row.checked = checked;
    emit dataChanged(index(0, 0), index(rowCount() - 1, 0), { Qt::CheckStateRole });
}

bool ContactTableModel::isChecked(int row) const
{
    return row >= 0 && row < rowCount() && m_rows[std::size_t(row)].checked;
}

std::vector<int> ContactTableModel::checkedAddressNos() const
{
    std::vector<int> numbers;
    for (const Row& row : m_rows) {
        if (row.checked)
            numbers.push_back(row.contact.addressno);
    }
    return numbers;
}

int ContactTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ContactTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QString ContactTableModel::text(const ContactRecord& contact, Field field) const
{
    switch (field) {
    case Field::Name:
        return QString::fromStdString(contact.addressname);
    case Field::Number:
        return QString::number(contact.addressno);
    case Field::Sex:
        return contact.sex == 1 ? tr("男") : tr("女");
    case Field::Phone:
        return QString::fromStdString(contact.phone);
    case Field::Group:
        return QString::fromStdString(contact.addressgroupname);
    case Field::Email:
        return QString::fromStdString(contact.email);
    }
    return {};
}

QVariant ContactTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const Row& row = m_rows[std::size_t(index.row())];
    switch (role) {
    case Qt::CheckStateRole:
        return index.column() == 0 ? QVariant(int(row.checked ? Qt::Checked : Qt::Unchecked)) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(m_columns.at(index.column()).alignment | Qt::AlignVCenter);
    case Qt::DisplayRole:
        return text(row.contact, m_columns.at(index.column()).field);
    default:
        return {};
    }
}

bool ContactTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != 0 || role != Qt::CheckStateRole)
        return false;
    setChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

QVariant ContactTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_columns.at(section).alignment | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (m_columns.at(section).field) {
    case Field::Name:
        return tr("姓名");
    case Field::Number:
        return tr("编号");
    case Field::Sex:
        return tr("性别");
    case Field::Phone:
        return tr("电话");
    case Field::Group:
        return tr("联系人组");
    case Field::Email:
        return tr("Email");
    }
    return {};
}

Qt::ItemFlags ContactTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == 0)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}
