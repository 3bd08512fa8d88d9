#pragma once

#include <QHash>
#include <QHeaderView>

namespace skin {

// The skinned header of report lists: every section and the empty space after the
// last one drawn from the "list-header" picture, texts centred unless the model or
// the view says otherwise, a small triangle on the sorted column.
class HeaderView : public QHeaderView {
    Q_OBJECT

public:
    explicit HeaderView(Qt::Orientation orientation, QWidget* parent = nullptr);

    static constexpr int Height = 26;
    QSize sizeHint() const override;

    // The title's alignment when the model gives none (models of records rarely do).
    void setSectionAlignment(int logicalIndex, Qt::Alignment alignment);
    Qt::Alignment sectionAlignment(int logicalIndex) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    QHash<int, Qt::Alignment> m_sectionAlignment;
};

} // namespace skin
