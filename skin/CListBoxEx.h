#pragma once

#include <QIcon>
#include <QList>
#include <QTreeView>
#include <QVariant>

class QStandardItemModel;

// The skinned, owner-drawn list of the contacts panel: header rows (a group, with an
// expand mark) and plain rows (a member), each with an optional picture from the
// list's image list and one data value. It is a view: over a two-level model whose
// rows answer the roles below (the contacts panel's ContactsModel: groups, and
// under an expanded group its members), or, without a model of its own, over the
// rows given to addRow.
//
// AddString / InsertString → addRow / insertRow with a Row; Clear → clear();
// SetImageList → setImageList; GetSelectedData / GetSelectedItemDataPtr →
// selectedData() (an invalid QVariant when nothing is selected).
// The Row's three flags are the three flags the windows pass: header (drawn as a
// group header), bold, and showImage (draw the row's picture).
class CListBoxEx : public QTreeView {
    Q_OBJECT

public:
    enum Role {
        DataRole = Qt::UserRole,
        ImageRole,
        HeaderRole,
        BoldRole,
        ShowImageRole,
        ExpandedRole, // rows without children in the model: whether the mark shows open
    };

    struct Row {
        QString text;
        QVariant data;
        int image = -1; // index into the image list
        bool header = false;
        bool bold = false;
        bool showImage = true;
    };

    explicit CListBoxEx(QWidget* parent = nullptr);
    ~CListBoxEx() override;

    // Top-level rows of the list's own rows.
    int addRow(const Row& row);
    int insertRow(int index, const Row& row); // an index past the end appends
    bool removeRow(int index);
    void clear();

    // Top-level rows of whatever model the list shows.
    int count() const;
    Row rowAt(int index) const;
    QVariant rowData(int index) const;

    void setImageList(const QList<QIcon>& images, const QSize& size = QSize(32, 32));
    QList<QIcon> imageList() const { return m_images; }
    QSize imageSize() const { return m_imageSize; }

    void setRowHeight(int pixels);
    int rowHeight() const { return m_rowHeight; }

    using QTreeView::isExpanded;
    using QTreeView::setExpanded;
    void setExpanded(int index, bool expanded); // a header row's expand mark
    bool isExpanded(int index) const;
    // Whether the mark of the row at index shows open.
    bool isMarkOpen(const QModelIndex& index) const;

    int selectedRow() const; // -1 when none
    QVariant selectedData() const;

private:
    QList<QIcon> m_images;
    QSize m_imageSize { 32, 32 };
    int m_rowHeight = 36;
    QStandardItemModel* m_ownRows;
};
