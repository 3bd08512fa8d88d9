#include "conference/ConferenceWorkspace.h"

#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"

ConferenceWorkspace::ConferenceWorkspace(QWidget* mainWindow)
    : SideWindow(mainWindow, tr("电话会议"), 446, 438)
{
    setObjectName(QStringLiteral("conferenceWorkspace"));
}

void ConferenceWorkspace::OpenInstant(const ConferenceRecord* record)
{
    showPage(Page::Instant, record);
}

void ConferenceWorkspace::OpenBooking(const ConferenceRecord* record)
{
    showPage(Page::Booking, record);
}

void ConferenceWorkspace::SetPanelMode(int mode, int index)
{
    m_panelMode = mode;
    m_panelIndex = index;
}

void ConferenceWorkspace::ShowSmsPage()
{
    showPage(Page::Sms, nullptr);
    postAppEvent(parent(), Msg::ShowContactsPanel);
}

void ConferenceWorkspace::ResetBookingAction()
{
    if (m_page == Page::Booking)
        m_record.reset();
}

void ConferenceWorkspace::StopLiveMonitor()
{
    // No live connection is held by this window yet; nothing to wait for.
}

void ConferenceWorkspace::showPage(Page page, const ConferenceRecord* record)
{
    m_page = page;
    if (record)
        m_record = *record;
    else
        m_record.reset();
}
