#include "conference/MeetingListModel.h"

#include "core/conference/ConferenceList.h"
#include "widgets/MeetingListBox.h"

namespace {

QString displayTime(const std::string& meetingTime)
{
    // The service writes "YYYY-MM-DDThh:mm:ss"; a blank reads better than the "T".
    QString text = QString::fromStdString(meetingTime);
    text.replace(QLatin1Char('T'), QLatin1Char(' '));
    return text;
}

} // namespace

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
        const QString topic = QString::fromStdString(conferences.at(i)->topic);
        if (m_filter.isEmpty() || topic.contains(m_filter, Qt::CaseInsensitive))
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
    const QString topic = QString::fromStdString(conference->topic);
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
        item.thirdText = displayTime(conference->meetingTime);
        return QVariant::fromValue(item);
    }
    default:
        return {};
    }
}
