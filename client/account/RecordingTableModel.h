#pragma once

#include "core/account/RecordingListing.h"

#include <QAbstractTableModel>

#include <vector>

// The recording list: the rows of the last query, all of them or those the search
// box finds. The last column, hidden in the list, is the recording's address.
class RecordingTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RecordingTableModel(QObject* parent = nullptr);

    void load(const std::string& resultText);
    void filter(const QString& text);
    // Empties the list but keeps the fetched rows for the filter.
    void clearShown();

    const RecordingListing& listing() const { return m_listing; }
    // The address of a row shown; empty for a row that is not.
    QString address(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    static QList<int> widths();

private:
    RecordingListing m_listing;
    std::vector<int> m_shown;
};
