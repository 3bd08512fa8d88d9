#pragma once

#include "core/account/ChargeListing.h"

#include "xls/SheetRows.h"

#include <QAbstractTableModel>

#include <vector>

// The bill list: the rows of the last query, all of them or those the search box
// finds, as the list shows them. Every change replaces the whole list, so each is a
// reset.
class ChargeTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ChargeTableModel(QObject* parent = nullptr);

    ChargeKind kind() const { return m_listing.kind(); }
    const ChargeListing& listing() const { return m_listing; }
    ChargeListing::View view() const { return m_view; }

    // Other charges: new columns, no rows.
    void setKind(ChargeKind kind);
    // Forgets the fetched rows (a query starts).
    void clearRows();
    // The rows of a query, all shown as a query shows them.
    void load(const std::string& resultText, const DateRange& range);
    // The fetched rows holding text, shown as the filter shows them.
    void filter(const QString& text);
    // Empties the list but keeps the fetched rows for the filter.
    void clearShown();

    int shownCount() const { return int(m_shown.size()); }
    ChargeListing::Totals totals() const { return m_listing.totals(m_shown); }
    // The title row and the rows shown, as the list shows them.
    xls::SheetRows shownSheet() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The column titles and widths of a kind of charges.
    static QStringList titles(ChargeKind kind);
    static QList<int> widths(ChargeKind kind);

private:
    ChargeListing m_listing;
    std::vector<int> m_shown;
    ChargeListing::View m_view = ChargeListing::View::Query;
};
