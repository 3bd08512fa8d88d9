#include "ui/MeetingListBox.h"

#include "ui/MeetingListDelegate.h"

#include "app/AppEvent.h"
#include "app/MessageIds.h"
#include "skin/Palette.h"
#include "skin/ScrollBar.h"

#include <QCoreApplication>
#include <QMouseEvent>

MeetingListBox::MeetingListBox(QWidget* parent)
    : QListWidget(parent)
{
    setObjectName(QStringLiteral("meetingList"));
    setMouseTracking(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    skin::ScrollBar::attach(this);
    setItemDelegate(new MeetingListDelegate(this));
    QPalette colours = palette();
    colours.setColor(QPalette::Base, skin::palette::Face);
    setPalette(colours);
    setAutoFillBackground(true);
}

void MeetingListBox::setImageList(const QList<QPixmap>& images)
{
    m_images = images;
    viewport()->update();
}

int MeetingListBox::addRow(int image, const QString& first, const QString& second, const QString& third, int key)
{
    return insertRow(count(), image, first, second, third, key);
}

int MeetingListBox::insertRow(
    int index, int image, const QString& first, const QString& second, const QString& third, int key)
{
    MeetingListItem data;
    data.image = image;
    data.key = key;
    data.firstText = first;
    data.secondText = second;
    data.thirdText = third;
    const int at = index < 0 || index > count() ? count() : index;
    insertItem(at, makeItem(data));
    return at;
}

void MeetingListBox::deleteRow(int index)
{
    if (index >= 0 && index < count())
        delete takeItem(index);
}

void MeetingListBox::clearRows()
{
    clear();
}

MeetingListItem MeetingListBox::row(int index) const
{
    const QListWidgetItem* entry = item(index);
    return entry ? entry->data(MeetingListDelegate::kItemRole).value<MeetingListItem>() : MeetingListItem {};
}

QListWidgetItem* MeetingListBox::makeItem(const MeetingListItem& data) const
{
    auto* entry = new QListWidgetItem;
    entry->setData(MeetingListDelegate::kItemRole, QVariant::fromValue(data));
    entry->setData(Qt::DisplayRole, data.firstText);
    entry->setToolTip(data.firstText);
    return entry;
}

void MeetingListBox::selectOnly(int rowIndex)
{
    if (rowIndex == currentRow() && (rowIndex < 0 || item(rowIndex)->isSelected()))
        return;
    clearSelection();
    if (rowIndex >= 0) {
        setCurrentRow(rowIndex, QItemSelectionModel::ClearAndSelect);
    } else {
        setCurrentRow(-1, QItemSelectionModel::Clear);
    }
}

void MeetingListBox::mouseMoveEvent(QMouseEvent* event)
{
    const QListWidgetItem* under = itemAt(event->position().toPoint());
    selectOnly(under ? row(under) : -1);
}

void MeetingListBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QListWidget::mousePressEvent(event);
        return;
    }
    const QListWidgetItem* under = itemAt(event->position().toPoint());
    selectOnly(under ? row(under) : -1);
    const QList<QListWidgetItem*> selected = selectedItems();
    if (selected.isEmpty())
        return;
    QObject* target = m_target ? m_target.data() : window();
    const int message = m_kind == Running ? Msg::OpenRunningConference : Msg::OpenBookedConference;
    QCoreApplication::postEvent(target, new AppEvent(message, m_kind, row(selected.first())));
}
