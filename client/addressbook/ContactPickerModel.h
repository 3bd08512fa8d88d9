#pragma once

#include "core/addressbook/ContactRecord.h"

#include <QAbstractTableModel>

#include <unordered_map>
#include <vector>

// The contact picker's rows: one per contact offered, with a check box in the first
// column (Qt::CheckStateRole). Columns: "姓名", "编号" (addressno), "性别", "电话".
// The model keeps its own copy of the contacts, so a reload of the book while the
// picker is up changes nothing here.
class ContactPickerModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn, NumberColumn, SexColumn, PhoneColumn, ColumnCount };

    explicit ContactPickerModel(QObject* parent = nullptr);

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

    std::vector<Row> m_rows;
    std::unordered_map<int, int> m_rowOfNumber;
};
