#pragma once

#include "core/conference/ConferenceRecord.h"
#include "widgets/SideWindow.h"

#include <QPointer>

#include <array>
#include <optional>

class CButtonPNG;
class InstantMeetingPage;
class MeetingListPage;
class QStackedWidget;
class RoomInfoPage;
class ScheduledMeetingPage;
class SessionState;

// "电话会议": the window in which all conference work happens. Five tabs over a frame
// area that shows one page at a time: instant meeting, scheduled meetings, SMS,
// meeting list and room information. The main window opens it on a page, hands it a
// conference to show and forwards the contacts the user picks (WM_USER+12), which go
// to the first page showing of instant, SMS and scheduled. The pages' worker results
// are relayed to them: WM_USER+70 to the scheduled page, +71 to +74 to the instant
// page, +80 and +81 to the SMS page. The meeting-list page's WM_USER+61 and +62
// start one of its past conferences again, at once on the instant page or as a new
// booking. A page another area builds (the SMS page) is handed over by the shell
// with setPage().
class ConferenceWorkspace : public SideWindow {
    Q_OBJECT
public:
    // In the order of the tabs.
    enum class Page { Instant, Booking, Sms, MeetingList, RoomInfo };
    static constexpr int kPageCount = 5;

    ConferenceWorkspace(SessionState& session, QWidget* mainWindow);

    // Puts page in the frame area in place of the page there.
    void setPage(Page which, QWidget* page);
    QWidget* pageWidget(Page which) const { return m_pages[std::size_t(which)]; }
    CButtonPNG* tab(Page which) const { return m_tabs[std::size_t(which)]; }

    // The instant-meeting page, with a running conference or empty (nullptr).
    void OpenInstant(const ConferenceRecord* record);
    // A conference with the contacts of a contacts-panel selection, started at once.
    void StartWithContacts(int mode, int parent, int index);
    // The scheduled-meeting page, with a booked conference (read only until edited) or
    // empty (nullptr). A record that names no booking (no id, or a past conference
    // booked again) becomes a new booking with its topic and participants.
    void OpenBooking(const ConferenceRecord* record);
    // Which contacts-panel mode and row the pages take their picks from.
    void SetPanelMode(int mode, int index);
    // Acts as the workspace's SMS tab: shows the SMS page and asks the main window
    // to show its contacts panel.
    void ShowSmsPage();
    // The SMS page, with the contacts of a contacts-panel selection added to its
    // recipients.
    void SmsToContacts(int mode, int parent, int index);
    // The booking page's action goes back to creating a new booking (the booking it
    // showed was cancelled).
    void ResetBookingAction();
    // Stops watching the running conference before the program ends.
    void StopLiveMonitor();

    Page page() const { return m_page; }
    const std::optional<ConferenceRecord>& openRecord() const { return m_record; }
    int panelMode() const { return m_panelMode; }
    int panelIndex() const { return m_panelIndex; }
    InstantMeetingPage* instantPage() const;
    ScheduledMeetingPage* bookingPage() const;
    MeetingListPage* meetingListPage() const;
    RoomInfoPage* roomInfoPage() const;

signals:
    // A conference started or ended on the instant page.
    void runningConferencesChanged();
    // A booking was made or changed on the scheduled page.
    void bookedConferencesChanged();
    // The SMS page was brought up: the shell has it show the account's signature.
    void smsPageShown();

protected:
    bool event(QEvent* event) override;
    // The hide button hides the window alone; the close button also hides every page,
    // so that the instant page stops watching its conference.
    void minimiseButtonClicked() override;
    void closeButtonClicked() override;

private:
    void clickTab(Page which);
    void showPage(Page which);
    // The contacts chosen in the panel: to the first page showing that takes them.
    void forwardContacts(int parent, int index);
    // A past conference of the meeting-list page's table, started again.
    void restartPast(int index);
    void bookPastAgain(int index);

    std::array<CButtonPNG*, kPageCount> m_tabs {};
    std::array<QWidget*, kPageCount> m_pages {};
    QStackedWidget* m_frame;
    QPointer<InstantMeetingPage> m_instantPage;
    QPointer<ScheduledMeetingPage> m_bookingPage;
    QPointer<MeetingListPage> m_meetingListPage;
    QPointer<RoomInfoPage> m_roomInfoPage;
    Page m_page = Page::Instant;
    std::optional<ConferenceRecord> m_record;
    int m_panelMode = 0;
    int m_panelIndex = -1;
};
