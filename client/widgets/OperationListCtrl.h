#pragma once

#include "skin/CListCtrlEx.h"

#include <QPointer>

// A report list whose last column holds operation words ("删除  呼叫"). A click on a
// word posts WM_USER+1001 to the owner page with wParam = row and
// lParam = 10000 × list number + word index; the list number tells the page which
// of its lists the click came from. Hovering the words shows the hand cursor, and
// hovering a long "会议主题" cell shows the whole topic as a tooltip.
class OperationListCtrl : public CListCtrlEx {
    Q_OBJECT
public:
    static constexpr int kListNumberFactor = 10000;
    static constexpr int kTooltipMaxWidth = 400;

    explicit OperationListCtrl(QWidget* parent = nullptr);

    void setListNumber(int number) { m_listNumber = number; }
    int listNumber() const { return m_listNumber; }

    // Where clicks are posted; by default the list's parent.
    void setMessageTarget(QObject* target) { m_target = target; }

    // The word of the operation cell of row under viewport x, or -1.
    int operationWordAt(int row, int x) const;

    // Operation words read as links.
    QColor cellTextColor(int row, int column) const override;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int operationColumn() const;
    void updateCursor(int x);
    void updateTooltip(int row, const QPoint& pos);

    int m_listNumber = 0;
    QPointer<QObject> m_target;
};
