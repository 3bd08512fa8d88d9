#include "addressbook/ContactsModel.h"

#include "core/addressbook/AddressBook.h"
#include "skin/CListBoxEx.h"

#include <algorithm>

namespace {

// Top-level rows have internal id 0; a child row carries its header's row + 1.
constexpr quintptr kTopLevel = 0;

QString memberText(const std::string& name, const std::string& phone)
{
    return QString::fromStdString(name) + QLatin1Char(' ') + QString::fromStdString(phone);
}

} // namespace

ContactsModel::ContactsModel(const AddressBook& book, QObject* parent)
    : QAbstractItemModel(parent)
    , m_book(book)
{
}

void ContactsModel::rebuild()
{
    beginResetModel();
    m_headers.clear();
    m_hits.clear();
    if (isSearching())
        takeSearch();
    else
        takeGroups();
    endResetModel();
}

void ContactsModel::insertHeader(int position, const QString& text, RowRef ref)
{
    // Child rows name their header by its row, so rows moving down would leave the
    // view's indexes of members under the wrong header: start afresh instead. The
    // rebuild that follows the change loses expansion all the same.
    beginResetModel();
    position = std::clamp(position, 0, int(m_headers.size()));
    m_headers.insert(m_headers.begin() + position, Header { text, ref, groupImage(), true, false, {} });
    endResetModel();
}

int ContactsModel::groupImage() const
{
    return m_mode == PanelMode::ContactGroups ? ContactGroupImage : ConferenceGroupImage;
}

void ContactsModel::takeGroups()
{
    const int image = groupImage();
    auto take = [this, image](const GroupEntry& group, const QString& name, int position) {
        Header header { QStringLiteral("%1 [%2]").arg(name).arg(group.memberCount), { -1, position }, image, true,
            false, {} };
        header.members.reserve(std::size_t(group.memberCount));
        for (int m = 0; m < group.memberCount; ++m) {
            const ContactRecord& member = group.members[std::size_t(m)];
            header.members.push_back({ member.addressno, member.addressname, member.phone });
        }
        m_headers.push_back(std::move(header));
    };
    const int groups = m_book.groupCount(m_mode);
    for (int g = 0; g < groups; ++g) {
        const GroupEntry& group = m_book.groupSlot(m_mode, g);
        take(group, QString::fromStdString(group.name), g);
    }
    if (m_mode == PanelMode::ContactGroups && m_book.ungrouped().memberCount > 0)
        take(m_book.ungrouped(), tr("未分组"), groups);
}

void ContactsModel::takeSearch()
{
    m_hits = searchContacts(m_book, m_searchText.toStdString());
    m_headers.push_back({ tr("查找结果 [%1]").arg(m_hits.size()), { -1, 0 }, ContactGroupImage, false, true, {} });
}

std::optional<int> ContactsModel::searchResult(std::intptr_t position) const
{
    if (!isSearching() || position < 0 || position >= std::intptr_t(m_hits.size()))
        return std::nullopt;
    return m_hits[std::size_t(position)].addressno;
}

RowRef ContactsModel::rowRef(const QModelIndex& index) const
{
    if (!index.isValid())
        return {};
    if (index.internalId() == kTopLevel)
        return m_headers[std::size_t(index.row())].ref;
    const Header& header = m_headers[index.internalId() - 1];
    return { header.ref.index, index.row() };
}

QModelIndex ContactsModel::indexOf(RowRef row) const
{
    for (int h = 0; h < int(m_headers.size()); ++h) {
        const RowRef ref = m_headers[std::size_t(h)].ref;
        if (row.isHeader() && ref == row)
            return index(h, 0);
        if (!row.isHeader() && ref.index == row.parent)
            return index(row.index, 0, index(h, 0));
    }
    return {};
}

const ContactsModel::Header* ContactsModel::headerOf(const QModelIndex& index) const
{
    if (!index.isValid() || index.internalId() != kTopLevel || index.row() >= int(m_headers.size()))
        return nullptr;
    return &m_headers[std::size_t(index.row())];
}

const std::vector<SearchHit>& ContactsModel::rowsUnder(const Header& header) const
{
    return header.showsHits ? m_hits : header.members;
}

QModelIndex ContactsModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row < int(m_headers.size()) ? createIndex(row, 0, kTopLevel) : QModelIndex();
    const Header* header = headerOf(parent);
    if (!header || row >= int(rowsUnder(*header).size()))
        return {};
    return createIndex(row, 0, quintptr(parent.row()) + 1);
}

QModelIndex ContactsModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == kTopLevel)
        return {};
    return createIndex(int(child.internalId() - 1), 0, kTopLevel);
}

int ContactsModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return int(m_headers.size());
    const Header* header = headerOf(parent);
    return header ? int(rowsUnder(*header).size()) : 0;
}

Qt::ItemFlags ContactsModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return {};
    // Members never have rows under them. Told so, the view neither asks nor keeps
    // every member as an opened row when the search results open all at once.
    const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    return index.internalId() == kTopLevel ? flags : flags | Qt::ItemNeverHasChildren;
}

int ContactsModel::columnCount(const QModelIndex& /*parent*/) const
{
    return 1;
}

QVariant ContactsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (const Header* header = headerOf(index)) {
        switch (role) {
        case Qt::DisplayRole:
            return header->text;
        case CListBoxEx::ImageRole:
            return header->image;
        case CListBoxEx::HeaderRole:
        case CListBoxEx::BoldRole:
            return true;
        case CListBoxEx::ShowImageRole:
            return header->showImage;
        case CListBoxEx::DataRole:
            return header->ref.index;
        default:
            return {};
        }
    }
    const SearchHit& member = rowsUnder(m_headers[index.internalId() - 1])[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return memberText(member.addressname, member.phone);
    case CListBoxEx::ImageRole:
        return int(PersonImage);
    case CListBoxEx::HeaderRole:
    case CListBoxEx::BoldRole:
        return false;
    case CListBoxEx::ShowImageRole:
        return true;
    case CListBoxEx::DataRole:
        return index.row();
    default:
        return {};
    }
}
