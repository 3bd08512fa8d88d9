#pragma once

#include "core/conference/ConferenceRecord.h"
#include "widgets/SideWindow.h"

#include <optional>

// The window in which all conference work happens: instant meeting, scheduled
// meetings, meeting list, room information and SMS pages. The main window opens it
// on a page, hands it a conference to show and forwards the contacts the user picks.
class ConferenceWorkspace : public SideWindow {
    Q_OBJECT
public:
    enum class Page { Instant, Booking, MeetingList, RoomInfo, Sms };

    explicit ConferenceWorkspace(QWidget* mainWindow);

    // The instant-meeting page, with a running conference or empty (nullptr).
    void OpenInstant(const ConferenceRecord* record);
    // The scheduled-meeting page, with a booked conference or empty (nullptr).
    void OpenBooking(const ConferenceRecord* record);
    // Which contacts-panel mode and row the pages take their picks from.
    void SetPanelMode(int mode, int index);
    // Acts as the workspace's SMS tab: shows the SMS page and asks the main window
    // to show its contacts panel.
    void ShowSmsPage();
    // The booking page's action goes back to creating a new booking.
    void ResetBookingAction();
    // Stops watching the running conference before the program ends.
    void StopLiveMonitor();

    Page page() const { return m_page; }
    const std::optional<ConferenceRecord>& openRecord() const { return m_record; }
    int panelMode() const { return m_panelMode; }
    int panelIndex() const { return m_panelIndex; }

private:
    void showPage(Page page, const ConferenceRecord* record);

    Page m_page = Page::Instant;
    std::optional<ConferenceRecord> m_record;
    int m_panelMode = 0;
    int m_panelIndex = -1;
};
