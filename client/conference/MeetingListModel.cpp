#include "conference/MeetingListModel.h"

#include "core/conference/ConferenceList.h"
#include "core/conference/MeetingListing.h"
#include "widgets/MeetingListBox.h"

MeetingListModel::MeetingListModel(
    const ConferenceList& running, const ConferenceList& booked, int kind, QObject* parent)
    : QAbstractListModel(parent)
    , m_running(running)
    , m_booked(booked)
    , m_kind(kind)
{
}

const ConferenceList& MeetingListModel::list() const
{
    return m_kind == MeetingListBox::Running ? m_running : m_booked;
}

void MeetingListModel::setKind(int kind)
{
    m_kind = kind;
    rebuild();
}

void MeetingListModel::setFilter(const QString& text)
{
    m_filter = text;
    rebuild();
}

void MeetingListModel::rebuild()
{
    beginResetModel();
    m_shown.clear();
    const ConferenceList& conferences = list();
    for (int i = 0; i < conferences.count(); ++i) {
        const ConferenceRecord& conference = *conferences.at(i);
        if (meetingListing::isShown(
                m_filter, meetingListing::title(conference), meetingListing::timeText(conference.meetingTime)))
            m_shown.push_back(i);
    }
    endResetModel();
}

int MeetingListModel::recordIndex(int row) const
{
    return row >= 0 && row < int(m_shown.size()) ? m_shown[std::size_t(row)] : -1;
}

int MeetingListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

QVariant MeetingListModel::data(const QModelIndex& index, int role) const
{
    const int record = recordIndex(index.row());
    const ConferenceRecord* conference = list().at(record);
    if (!conference)
        return {};
    const QString topic = meetingListing::title(*conference);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return topic;
    case MeetingListBox::ItemRole: {
        MeetingListItem item;
        item.image = m_kind == MeetingListBox::Running ? 0 : 1;
        item.key = record;
        item.firstText = topic;
        item.secondText = QString::fromStdString(conference->conferenceId);
        item.thirdText = meetingListing::timeText(conference->meetingTime);
        return QVariant::fromValue(item);
    }
    default:
        return {};
    }
}
