#pragma once

#include "skin/CListCtrlEx.h"

#include <QPointer>

// A report list with a column of operation words ("删除  呼叫"). A click on a word
// posts WM_USER+1001 to the owner page with wParam = row and
// lParam = 10000 × list number + word index; the list number tells the page which
// of its lists the click came from. Hovering the words shows the hand cursor, and
// hovering a long "会议主题" cell shows the whole topic as a tooltip.
//
// It works over its own rows or over an outside model alike: the words are the
// operation cell's display text and the row posted is the model's row. The
// operation column is the one set with setOperationColumn(), else the one titled
// "操作", else the last one (a translated title no longer reads "操作": pages set
// the column). Its words are always drawn centred, where the hit-test looks.
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

    // -1 (the default) finds the column by its title.
    void setOperationColumn(int column) { m_operationColumn = column; }
    int operationColumn() const;

    // The word of the operation cell of row under viewport x, or -1.
    int operationWordAt(int row, int x) const;

    // Operation words read as links.
    QColor cellTextColor(int row, int column) const override;
    Qt::Alignment cellAlignment(int row, int column) const override;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void updateCursor(int x);
    void updateTooltip(int row, const QPoint& pos);

    int m_listNumber = 0;
    int m_operationColumn = -1;
    QPointer<QObject> m_target;
};
