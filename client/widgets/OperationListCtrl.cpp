#include "widgets/OperationListCtrl.h"

#include "widgets/OperationWords.h"

#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "skin/Palette.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QToolTip>

OperationListCtrl::OperationListCtrl(QWidget* parent)
    : CListCtrlEx(parent)
{
    setMouseTracking(true);
}

int OperationListCtrl::operationColumn() const
{
    const int columns = columnCount();
    if (m_operationColumn >= 0)
        return m_operationColumn < columns ? m_operationColumn : -1;
    // Read each time: the model's titles may change, and there are only a few.
    static const QString title = QStringLiteral("操作");
    for (int column = 0; column < columns; ++column) {
        if (columnTitle(column) == title)
            return column;
    }
    return columns - 1;
}

int OperationListCtrl::operationWordAt(int row, int x) const
{
    const int column = operationColumn();
    if (row < 0 || row >= itemCount() || column <= 0)
        return -1;
    const int left = columnLeft(column);
    const int width = columnWidth(column);
    if (x < left || x >= left + width)
        return -1;
    const QString text = OperationWords::truncateToAnsiBytes(itemText(row, column), OperationWords::kMaxCellBytes);
    const QStringList words = OperationWords::split(text);
    const QFontMetrics metrics = fontMetrics();
    return OperationWords::hit(x, static_cast<int>(words.size()), metrics.horizontalAdvance(text),
        metrics.horizontalAdvance(QStringLiteral("--")), left, width);
}

QColor OperationListCtrl::cellTextColor(int row, int column) const
{
    if (column > 0 && column == operationColumn())
        return skin::palette::Link;
    return CListCtrlEx::cellTextColor(row, column);
}

Qt::Alignment OperationListCtrl::cellAlignment(int row, int column) const
{
    if (column > 0 && column == operationColumn())
        return Qt::AlignCenter;
    return CListCtrlEx::cellAlignment(row, column);
}

void OperationListCtrl::mouseMoveEvent(QMouseEvent* event)
{
    CListCtrlEx::mouseMoveEvent(event);
    const QPoint pos = event->position().toPoint();
    const int row = rowAt(pos.y());
    if (row < 0)
        return;
    updateCursor(pos.x());
    updateTooltip(row, pos);
}

void OperationListCtrl::updateCursor(int x)
{
    const int column = operationColumn();
    bool overWords = false;
    if (column >= 0 && itemCount() > 0) {
        // The words look alike in every row, so the first row's text measures them all.
        const int textWidth = fontMetrics().horizontalAdvance(itemText(0, column));
        const int start = columnLeft(column) + (columnWidth(column) - textWidth) / 2;
        overWords = x > start && x < start + textWidth;
    }
    if (overWords)
        viewport()->setCursor(Qt::PointingHandCursor);
    else
        viewport()->unsetCursor();
}

void OperationListCtrl::updateTooltip(int row, const QPoint& pos)
{
    const int column = columnAt(pos.x());
    if (column < 0 || column == operationColumn())
        return;
    const QString text = itemText(row, column);
    if (!OperationWords::wantsTopicTooltip(columnTitle(column), text)) {
        QToolTip::hideText();
        return;
    }
    const QString tip = fontMetrics().horizontalAdvance(text) > kTooltipMaxWidth
        ? QStringLiteral("<table width=\"%1\"><tr><td>%2</td></tr></table>")
              .arg(kTooltipMaxWidth)
              .arg(text.toHtmlEscaped())
        : text;
    QToolTip::showText(viewport()->mapToGlobal(pos), tip, viewport());
}

void OperationListCtrl::mousePressEvent(QMouseEvent* event)
{
    CListCtrlEx::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    // A press below the rows leaves nothing selected, as in any report list; an
    // old selection must not turn it into a click on that row's words.
    if (rowAt(event->position().toPoint().y()) < 0) {
        clearSelection();
        return;
    }
    const int row = selectedRow();
    if (row < 0)
        return;
    const int x = event->position().toPoint().x();
    const int column = columnAt(x);
    if (column != operationColumn() || column == 0)
        return;
    const int word = operationWordAt(row, x);
    if (word < 0)
        return;
    QObject* target = m_target ? m_target.data() : parent();
    if (target)
        QCoreApplication::postEvent(
            target, new AppEvent(Msg::OperationWordClicked, row, kListNumberFactor * m_listNumber + word));
}
