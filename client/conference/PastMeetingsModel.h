#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <string>
#include <vector>

class PastMeetingTable;

// The meeting-list page's rows: the past conferences a search text keeps, as
// "编号" (hidden), "会议主题", "会议时间", "主持号码" and the operation cell
// "即时  预约". A row is not a table index once a search hides some conferences:
// recordIndex() turns the row a click names into the conference it shows. The model
// copies nothing; it keeps the shown table indexes and reads the table when asked.
class PastMeetingsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { IdColumn, TopicColumn, TimeColumn, HostColumn, OperationColumn, ColumnCount };

    explicit PastMeetingsModel(const PastMeetingTable& table, QObject* parent = nullptr);

    void setFilter(const QString& text);
    const QString& filter() const { return m_filter; }
    // Reads the table again (after a load replaced it).
    void rebuild();

    // The table index of the conference shown in row, or -1 for no such row.
    int recordIndex(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const PastMeetingTable& m_table;
    QString m_filter;
    std::string m_filterText; // m_filter as the table compares it
    std::vector<int> m_shown;
};
