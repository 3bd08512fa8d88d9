#pragma once

#include "core/addressbook/ContactRecord.h"

#include <QAbstractTableModel>
#include <QList>

#include <unordered_map>
#include <vector>

// The rows of the address-book windows' contact lists (the picker's, the group
// page's): one per contact, with a check box in the first column
// (Qt::CheckStateRole). Each list names its columns: which field and how aligned.
// The model keeps its own copy of the contacts, so a reload of the book while the
// list is up changes nothing here.
class ContactTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // "姓名", "编号" (addressno), "性别", "电话", "联系人组", "Email".
    enum class Field { Name, Number, Sex, Phone, Group, Email };
    struct Column {
        Field field;
        Qt::Alignment alignment = Qt::AlignLeft;
    };

    explicit ContactTableModel(QList<Column> columns, QObject* parent = nullptr);

    // The column showing field, or -1.
    int columnOf(Field field) const;

    void setContacts(std::vector<ContactRecord> contacts);
    const ContactRecord& contactAt(int row) const { return m_rows.at(std::size_t(row)).contact; }
    // The row of the contact with addressno, or -1.
    int rowOf(int addressno) const;

    void setChecked(int row, bool checked);
    void setAllChecked(bool checked);
    bool isChecked(int row) const;
    // The addressnos of the checked rows, in row order.
    std::vector<int> checkedAddressNos() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Row {
        ContactRecord contact;
        bool checked = false;
    };

    QString text(const ContactRecord& contact, Field field) const;

    QList<Column> m_columns;
    std::vector<Row> m_rows;
    std::unordered_map<int, int> m_rowOfNumber;
};
