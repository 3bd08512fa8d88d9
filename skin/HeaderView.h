#pragma once

#include <QHeaderView>

namespace skin {

// The skinned header of report lists: every section and the empty space after the
// last one drawn from the "list-header" picture, texts centred unless the model says
// otherwise, a small triangle on the sorted column.
class HeaderView : public QHeaderView {
    Q_OBJECT

public:
    explicit HeaderView(Qt::Orientation orientation, QWidget* parent = nullptr);

    static constexpr int Height = 26;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

} // namespace skin
