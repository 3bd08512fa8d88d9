#include "conference/MeetingsPanel.h"

#include "app/AppEvent.h"
#include "app/MessageIds.h"
#include "app/SessionState.h"
#include "skin/Artwork.h"
#include "ui/MeetingListBox.h"

#include <QResizeEvent>

namespace {

QString displayTime(const std::string& meetingTime)
{
    // The service writes "YYYY-MM-DDThh:mm:ss"; a blank reads better than the "T".
    QString text = QString::fromStdString(meetingTime);
    text.replace(QLatin1Char('T'), QLatin1Char(' '));
    return text;
}

} // namespace

MeetingsPanel::MeetingsPanel(QWidget* panelArea, QObject* mainWindow, Kind kind)
    : CDialogEx(panelArea, Placement::Child)
    , m_kind(kind)
    , m_mainWindow(mainWindow)
    , m_list(new MeetingListBox(this))
{
    setObjectName(kind == Running ? QStringLiteral("runningMeetingsPanel") : QStringLiteral("bookedMeetingsPanel"));
    m_list->setKind(kind);
    m_list->setMessageTarget(this);
    m_list->setImageList({ skin::Artwork::pixmap(QString::fromLatin1(skin::names::LiveOn), QSize(40, 40)),
        skin::Artwork::pixmap(QString::fromLatin1(skin::names::LiveOff), QSize(40, 40)) });
}

void MeetingsPanel::setKind(int kind)
{
    m_kind = kind;
    m_list->setKind(kind);
}

const ConferenceList& MeetingsPanel::conferences() const
{
    const SessionState& session = SessionState::instance();
    return m_kind == Running ? session.runningConferences() : session.bookedConferences();
}

void MeetingsPanel::RebuildMeetings()
{
    m_list->clearRows();
    const ConferenceList& list = conferences();
    for (int i = 0; i < list.count(); ++i) {
        const ConferenceRecord* record = list.at(i);
        const QString topic = QString::fromStdString(record->topic);
        if (!m_filter.isEmpty() && !topic.contains(m_filter, Qt::CaseInsensitive))
            continue;
        // The key is the record's index, which the open request carries back.
        m_list->addRow(m_kind == Running ? 0 : 1, topic, QString::fromStdString(record->conferenceId),
            displayTime(record->meetingTime), i);
    }
}

void MeetingsPanel::SetFilter(const QString& text)
{
    m_filter = text;
    RebuildMeetings();
}

bool MeetingsPanel::event(QEvent* event)
{
    const int message = AppEvent::messageOf(event);
    if (message != Msg::OpenRunningConference && message != Msg::OpenBookedConference)
        return CDialogEx::event(event);
    const auto* open = static_cast<AppEvent*>(event);
    const int row = int(open->lParam());
    if (row >= 0 && row < m_list->count())
        postAppEvent(m_mainWindow, message, open->wParam(), m_list->row(row).key);
    return true;
}

void MeetingsPanel::resizeEvent(QResizeEvent* event)
{
    CDialogEx::resizeEvent(event);
    m_list->setGeometry(rect());
}
