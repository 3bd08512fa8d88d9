#pragma once

#include "core/addressbook/ContactSearch.h"
#include "core/addressbook/PanelMode.h"
#include "core/addressbook/RowRef.h"

#include <QAbstractItemModel>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class AddressBook;

// The contacts panel's rows as a two-level tree for CListBoxEx. Groups: one header
// per group of the mode (and "未分组" for the ungrouped contacts), its members under
// it. Search: one header "查找结果 [n]" with the matching contacts under it. Every
// row maps to the RowRef the panel's messages carry: a header (-1, position), a
// member (group position, member position), a result (0, result position).
//
// The model keeps its own copy of what it shows, taken by rebuild(), and names
// contacts by addressno: a reload of the book replaces the book's arrays but never
// leaves the model pointing into them.
class ContactsModel : public QAbstractItemModel {
    Q_OBJECT
public:
    // The pictures of the panel's image list.
    enum Image { ContactGroupImage = 0, ConferenceGroupImage = 1, PersonImage = 2 };

    explicit ContactsModel(const AddressBook& book, QObject* parent = nullptr);

    void setMode(PanelMode mode) { m_mode = mode; }
    PanelMode mode() const { return m_mode; }
    // A non-empty text puts the model in search mode.
    void setSearchText(const QString& text) { m_searchText = text; }
    const QString& searchText() const { return m_searchText; }
    bool isSearching() const { return !m_searchText.isEmpty(); }
    // Takes the rows anew from the book for the current mode or search.
    void rebuild();
    // A header without members at a top-level position (bounded to the rows there
    // are), kept until the next rebuild: a group the service has just added.
    void insertHeader(int position, const QString& text, RowRef ref);

    RowRef rowRef(const QModelIndex& index) const;
    QModelIndex indexOf(RowRef row) const;
    // The addressno of the search result at position, if there is such a result.
    std::optional<int> searchResult(std::intptr_t position) const;
    const std::vector<SearchHit>& searchHits() const { return m_hits; }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    // A member's text is made when the view asks for it: a view asks for the rows it
    // shows, and a large book has far more members than that.
    struct Header {
        QString text;
        RowRef ref;
        int image = 0;
        bool showImage = true;
        bool showsHits = false; // the search results' header: its rows are m_hits
        std::vector<SearchHit> members;
    };

    int groupImage() const;
    void takeGroups();
    void takeSearch();
    const Header* headerOf(const QModelIndex& index) const;
    const std::vector<SearchHit>& rowsUnder(const Header& header) const;

    const AddressBook& m_book;
    PanelMode m_mode = PanelMode::ContactGroups;
    QString m_searchText;
    std::vector<Header> m_headers;
    std::vector<SearchHit> m_hits;
};
