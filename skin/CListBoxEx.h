#pragma once

#include <QIcon>
#include <QList>
#include <QListWidget>
#include <QVariant>

// The skinned, owner-drawn list of the contacts panel: header rows (a group, with an
// expand mark) and plain rows (a member), each with an optional picture from the
// list's image list and one data value the list owns.
//
// AddString / InsertString → addRow / insertRow with a Row; Clear → clear();
// SetImageList → setImageList; GetSelectedData / GetSelectedItemDataPtr →
// selectedData() (an invalid QVariant when nothing is selected).
// The Row's three flags are the three flags the windows pass: header (drawn as a
// group header), bold, and showImage (draw the row's picture).
class CListBoxEx : public QListWidget {
    Q_OBJECT

public:
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

    int addRow(const Row& row);
    int insertRow(int index, const Row& row); // an index past the end appends
    bool removeRow(int index);
    Row rowAt(int index) const;
    QVariant rowData(int index) const;

    void setImageList(const QList<QIcon>& images, const QSize& size = QSize(32, 32));
    QList<QIcon> imageList() const { return m_images; }
    QSize imageSize() const { return m_imageSize; }

    void setRowHeight(int pixels);
    int rowHeight() const { return m_rowHeight; }

    void setExpanded(int index, bool expanded); // a header row's expand mark
    bool isExpanded(int index) const;

    int selectedRow() const; // -1 when none
    QVariant selectedData() const;

private:
    QListWidgetItem* makeItem(const Row& row) const;

    QList<QIcon> m_images;
    QSize m_imageSize { 32, 32 };
    int m_rowHeight = 36;
};
