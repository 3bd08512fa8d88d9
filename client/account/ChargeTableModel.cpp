#include "account/ChargeTableModel.h"

ChargeTableModel::ChargeTableModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void ChargeTableModel::setKind(ChargeKind kind)
{
    beginResetModel();
    m_listing.reset(kind);
    m_shown.clear();
    endResetModel();
}

void ChargeTableModel::clearRows()
{
    beginResetModel();
    m_listing.clear();
    m_shown.clear();
    endResetModel();
}

void ChargeTableModel::load(const std::string& resultText, const DateRange& range)
{
    beginResetModel();
    m_listing.load(resultText, range);
    m_shown = m_listing.allRows();
    m_view = ChargeListing::View::Query;
    endResetModel();
}

void ChargeTableModel::filter(const QString& text)
{
    beginResetModel();
    m_shown = m_listing.rowsHolding(text.toStdString());
    m_view = ChargeListing::View::Filter;
    endResetModel();
}

void ChargeTableModel::clearShown()
{
    beginResetModel();
    m_shown.clear();
    endResetModel();
}

xls::SheetRows ChargeTableModel::shownSheet() const
{
    xls::SheetRows sheet;
    sheet.reserve(m_shown.size() + 1);
    xls::SheetRow header;
    for (const QString& title : titles(kind()))
        header.push_back(title.toStdString());
    sheet.push_back(std::move(header));
    const int columns = m_listing.columnCount();
    for (int row : m_shown) {
        xls::SheetRow cells;
        cells.reserve(std::size_t(columns));
        for (int column = 0; column < columns; ++column)
            cells.push_back(m_listing.cell(row, column, m_view));
        sheet.push_back(std::move(cells));
    }
    return sheet;
}

int ChargeTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

int ChargeTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_listing.columnCount();
}

QVariant ChargeTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_shown.size()))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(m_listing.cell(m_shown[std::size_t(index.row())], index.column(), m_view));
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant ChargeTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    const QStringList all = titles(kind());
    return section >= 0 && section < all.size() ? QVariant(all[section]) : QVariant();
}

QStringList ChargeTableModel::titles(ChargeKind kind)
{
    if (kind == ChargeKind::Sms)
        return { tr("手机号码"), tr("发送时间"), tr("费用") };
    return { tr("会议编号"), tr("主持电话"), tr("开始时间"), tr("结束时间"), tr("会议费用") };
}

QList<int> ChargeTableModel::widths(ChargeKind kind)
{
    if (kind == ChargeKind::Sms)
        return { 100, 130, 100 };
    return { 120, 120, 130, 130, 100 };
}
