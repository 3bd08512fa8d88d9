#include "conference/MeetingsPanel.h"

#include "conference/MeetingListModel.h"

#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/session/SessionState.h"
#include "skin/Artwork.h"
#include "widgets/MeetingListBox.h"

#include <QResizeEvent>

MeetingsPanel::MeetingsPanel(const SessionState& session, QWidget* panelArea, QObject* mainWindow, Kind kind)
    : CDialogEx(panelArea, Placement::Child)
    , m_mainWindow(mainWindow)
    , m_model(new MeetingListModel(session.runningConferences(), session.bookedConferences(), kind, this))
    , m_list(new MeetingListBox(this))
{
    setObjectName(kind == Running ? QStringLiteral("runningMeetingsPanel") : QStringLiteral("bookedMeetingsPanel"));
    m_list->setKind(kind);
    m_list->setModel(m_model);
    m_list->setMessageTarget(this);
    m_list->setImageList({ skin::Artwork::pixmap(QString::fromLatin1(skin::names::LiveOn), QSize(40, 40)),
        skin::Artwork::pixmap(QString::fromLatin1(skin::names::LiveOff), QSize(40, 40)) });
}

void MeetingsPanel::setKind(int kind)
{
    m_list->setKind(kind);
    m_model->setKind(kind);
}

int MeetingsPanel::kind() const
{
    return m_model->kind();
}

void MeetingsPanel::RebuildMeetings()
{
    m_model->rebuild();
}

void MeetingsPanel::SetFilter(const QString& text)
{
    m_model->setFilter(text);
}

bool MeetingsPanel::event(QEvent* event)
{
    const int message = AppEvent::messageOf(event);
    if (message != Msg::OpenRunningConference && message != Msg::OpenBookedConference)
        return CDialogEx::event(event);
    const auto* open = static_cast<AppEvent*>(event);
    const int record = m_model->recordIndex(int(open->lParam()));
    if (record >= 0)
        postAppEvent(m_mainWindow, message, open->wParam(), record);
    return true;
}

void MeetingsPanel::resizeEvent(QResizeEvent* event)
{
    CDialogEx::resizeEvent(event);
    m_list->setGeometry(rect());
}
