#pragma once

#include <QScrollBar>

class QAbstractScrollArea;

namespace skin {

// The skin scroll bar that lists and edits use instead of the platform's: a slim bar
// drawn from the "scroll-*" pictures (track, thumb, four arrows). Scrolling is
// QScrollBar's own (line and page steps, auto-repeat while held, thumb tracking).
//
// attach(area) gives a list (or any scroll area) skin bars: the vertical bar is
// always there, disabled while the content fits, so the columns never jump when rows
// come and go (drop-down lists pass Qt::ScrollBarAsNeeded instead); the horizontal
// bar appears only when the content is wider. The bars belong to the area and go
// with it.
class ScrollBar : public QScrollBar {
    Q_OBJECT

public:
    explicit ScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

    static void attach(QAbstractScrollArea* area, Qt::ScrollBarPolicy vertical = Qt::ScrollBarAlwaysOn);
    static constexpr int Thickness = 12;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void followRange();
};

} // namespace skin
