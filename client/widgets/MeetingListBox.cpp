#include "widgets/MeetingListBox.h"

#include "widgets/MeetingListDelegate.h"

#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "skin/Palette.h"
#include "skin/ScrollBar.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QStandardItemModel>

MeetingListBox::MeetingListBox(QWidget* parent)
    : QListView(parent)
    , m_ownRows(new QStandardItemModel(this))
{
    setObjectName(QStringLiteral("meetingList"));
    setMouseTracking(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    skin::ScrollBar::attach(this);
    setItemDelegate(new MeetingListDelegate(this));
    QPalette colours = palette();
    colours.setColor(QPalette::Base, skin::palette::Face);
    setPalette(colours);
    setAutoFillBackground(true);
    setModel(m_ownRows);
}

void MeetingListBox::setImageList(const QList<QPixmap>& images)
{
    m_images = images;
    viewport()->update();
}

int MeetingListBox::addRow(int image, const QString& first, const QString& second, const QString& third, int key)
{
    MeetingListItem data;
    data.image = image;
    data.key = key;
    data.firstText = first;
    data.secondText = second;
    data.thirdText = third;
    auto* entry = new QStandardItem(first);
    entry->setData(QVariant::fromValue(data), ItemRole);
    entry->setToolTip(first);
    m_ownRows->appendRow(entry);
    return m_ownRows->rowCount() - 1;
}

void MeetingListBox::clearRows()
{
    m_ownRows->clear();
}

int MeetingListBox::count() const
{
    return model() ? model()->rowCount() : 0;
}

MeetingListItem MeetingListBox::row(int index) const
{
    const QVariant data = model() ? model()->index(index, 0).data(ItemRole) : QVariant();
    return data.canConvert<MeetingListItem>() ? data.value<MeetingListItem>() : MeetingListItem {};
}

void MeetingListBox::selectOnly(int rowIndex)
{
    const QModelIndex index = model() ? model()->index(rowIndex, 0) : QModelIndex();
    if (index == currentIndex() && (!index.isValid() || selectionModel()->isSelected(index)))
        return;
    if (index.isValid())
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    else
        selectionModel()->clear();
}

void MeetingListBox::mouseMoveEvent(QMouseEvent* event)
{
    selectOnly(indexAt(event->position().toPoint()).row());
}

void MeetingListBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QListView::mousePressEvent(event);
        return;
    }
    const int under = indexAt(event->position().toPoint()).row();
    selectOnly(under);
    if (under < 0)
        return;
    QObject* target = m_target ? m_target.data() : window();
    const int message = m_kind == Running ? Msg::OpenRunningConference : Msg::OpenBookedConference;
    QCoreApplication::postEvent(target, new AppEvent(message, m_kind, under));
}
