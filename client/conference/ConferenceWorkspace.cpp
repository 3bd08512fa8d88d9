#include "conference/ConferenceWorkspace.h"

#include "conference/InstantMeetingPage.h"
#include "conference/MeetingListPage.h"
#include "conference/RoomInfoPage.h"
#include "conference/ScheduledMeetingPage.h"

#include "core/addressbook/ContactSelectionTarget.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "skin/Artwork.h"
#include "skin/CButtonPNG.h"
#include "skin/Fonts.h"
#include "skin/Palette.h"

#include <QHBoxLayout>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

constexpr int kTabHeight = 34;

const char* const kPageNames[ConferenceWorkspace::kPageCount]
    = { "instantPage", "bookingPage", "smsPage", "meetingListPage", "roomInfoPage" };
const char* const kTabNames[ConferenceWorkspace::kPageCount]
    = { "instantTab", "bookingTab", "smsTab", "meetingListTab", "roomInfoTab" };

} // namespace

ConferenceWorkspace::ConferenceWorkspace(SessionState& session, QWidget* mainWindow)
    : SideWindow(mainWindow, tr("电话会议"), 446, 438)
    , m_frame(new QStackedWidget(this))
{
    setObjectName(QStringLiteral("conferenceWorkspace"));
    minimiseButton();

    const QString tabTexts[kPageCount]
        = { tr("即时会议"), tr("预约会议"), tr("会议短信"), tr("会议列表"), tr("会议室") };
    auto* tabs = new QHBoxLayout;
    tabs->setSpacing(2);
    for (int i = 0; i < kPageCount; ++i) {
        auto* button = new CButtonPNG(tabTexts[i], this);
        button->setObjectName(QString::fromLatin1(kTabNames[i]));
        button->setImage(QString::fromLatin1(skin::names::Tab));
        button->setFont(skin::Fonts::withCellHeight(QStringLiteral("微软雅黑"), 20));
        button->setTextColors(skin::palette::TextSoft, skin::palette::BrandDeep);
        button->setFixedHeight(kTabHeight);
        connect(button, &CButtonPNG::clicked, this, [this, i] { clickTab(Page(i)); });
        tabs->addWidget(button);
        m_tabs[std::size_t(i)] = button;
    }

    // Each page waits empty in the frame until its window is handed over.
    m_frame->setObjectName(QStringLiteral("frameArea"));
    for (int i = 0; i < kPageCount; ++i) {
        auto* empty = new QWidget(m_frame);
        empty->setObjectName(QString::fromLatin1(kPageNames[i]));
        m_frame->addWidget(empty);
        m_pages[std::size_t(i)] = empty;
    }

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(12, titleBandHeight() + 8, 12, 12);
    window->setSpacing(8);
    window->addLayout(tabs);
    window->addWidget(m_frame, 1);

    m_instantPage = new InstantMeetingPage(session);
    setPage(Page::Instant, m_instantPage);
    connect(m_instantPage, &InstantMeetingPage::runningConferencesChanged, this,
        &ConferenceWorkspace::runningConferencesChanged);
    m_bookingPage = new ScheduledMeetingPage(session);
    m_bookingPage->setMainWindow(mainWindow);
    setPage(Page::Booking, m_bookingPage);
    connect(m_bookingPage, &ScheduledMeetingPage::bookedConferencesChanged, this,
        &ConferenceWorkspace::bookedConferencesChanged);
    m_meetingListPage = new MeetingListPage(session);
    m_meetingListPage->setMessageTarget(this);
    setPage(Page::MeetingList, m_meetingListPage);
    m_roomInfoPage = new RoomInfoPage(session);
    setPage(Page::RoomInfo, m_roomInfoPage);
    showPage(Page::Instant);
}

InstantMeetingPage* ConferenceWorkspace::instantPage() const
{
    return m_instantPage;
}

ScheduledMeetingPage* ConferenceWorkspace::bookingPage() const
{
    return m_bookingPage;
}

MeetingListPage* ConferenceWorkspace::meetingListPage() const
{
    return m_meetingListPage;
}

RoomInfoPage* ConferenceWorkspace::roomInfoPage() const
{
    return m_roomInfoPage;
}

void ConferenceWorkspace::setPage(Page which, QWidget* page)
{
    QWidget*& slot = m_pages[std::size_t(which)];
    const int position = m_frame->indexOf(slot);
    const bool showing = m_frame->currentWidget() == slot;
    page->setObjectName(QString::fromLatin1(kPageNames[int(which)]));
    m_frame->insertWidget(position, page);
    m_frame->removeWidget(slot);
    delete slot;
    slot = page;
    if (showing)
        m_frame->setCurrentWidget(page);
}

void ConferenceWorkspace::clickTab(Page which)
{
    switch (which) {
    case Page::Instant:
        OpenInstant(nullptr);
        break;
    case Page::Booking:
        OpenBooking(nullptr);
        break;
    case Page::Sms:
        ShowSmsPage();
        break;
    case Page::MeetingList:
        showPage(which);
        if (m_meetingListPage) {
            m_meetingListPage->clearFilter();
            m_meetingListPage->LoadPastMeetings();
        }
        break;
    case Page::RoomInfo:
        showPage(which);
        if (m_roomInfoPage)
            m_roomInfoPage->LoadRoomInfo();
        break;
    }
}

void ConferenceWorkspace::OpenInstant(const ConferenceRecord* record)
{
    showPage(Page::Instant);
    m_record = record ? std::optional<ConferenceRecord>(*record) : std::nullopt;
    if (m_instantPage) {
        m_instantPage->ResetComposition();
        m_instantPage->LoadConference(record);
    }
}

void ConferenceWorkspace::StartWithContacts(int mode, int parent, int index)
{
    OpenInstant(nullptr);
    if (!m_instantPage)
        return;
    m_instantPage->AddFromAddressBook(mode, parent, index);
    m_instantPage->StartConference();
}

void ConferenceWorkspace::OpenBooking(const ConferenceRecord* record)
{
    showPage(Page::Booking);
    m_record = record ? std::optional<ConferenceRecord>(*record) : std::nullopt;
    if (m_bookingPage)
        m_bookingPage->LoadBooking(record);
}

void ConferenceWorkspace::SetPanelMode(int mode, int index)
{
    m_panelMode = mode;
    m_panelIndex = index;
}

void ConferenceWorkspace::ShowSmsPage()
{
    showPage(Page::Sms);
    emit smsPageShown();
    postAppEvent(parent(), Msg::ShowContactsPanel);
}

void ConferenceWorkspace::SmsToContacts(int mode, int parent, int index)
{
    ShowSmsPage();
    if (auto* target = dynamic_cast<ContactSelectionTarget*>(pageWidget(Page::Sms)))
        target->AddFromAddressBook(mode, parent, index);
}

void ConferenceWorkspace::ResetBookingAction()
{
    if (m_page == Page::Booking)
        m_record.reset();
    if (m_bookingPage)
        m_bookingPage->ResetBookingAction();
}

void ConferenceWorkspace::StopLiveMonitor()
{
    if (m_instantPage)
        m_instantPage->monitor().close();
}

void ConferenceWorkspace::minimiseButtonClicked()
{
    hide();
}

void ConferenceWorkspace::closeButtonClicked()
{
    for (QWidget* page : m_pages)
        page->hide();
    SideWindow::closeButtonClicked();
}

void ConferenceWorkspace::showPage(Page which)
{
    m_page = which;
    m_frame->setCurrentWidget(pageWidget(which));
    // A page the close button hid shows again, also when it stayed the current one.
    pageWidget(which)->show();
    // The active tab shows its second picture.
    for (int i = 0; i < kPageCount; ++i)
        m_tabs[std::size_t(i)]->setNormalPicIndex(i == int(which) ? 1 : 0);
}

void ConferenceWorkspace::restartPast(int index)
{
    const ConferenceRecord* past = m_meetingListPage ? m_meetingListPage->table().at(index) : nullptr;
    if (!past)
        return;
    // A copy: the instant page keeps it while a load may replace the table.
    const ConferenceRecord record = *past;
    OpenInstant(&record);
}

void ConferenceWorkspace::bookPastAgain(int index)
{
    const ConferenceRecord* past = m_meetingListPage ? m_meetingListPage->table().at(index) : nullptr;
    if (!past)
        return;
    ConferenceRecord record = *past;
    record.conferenceId.clear();
    OpenBooking(&record);
}

void ConferenceWorkspace::forwardContacts(int parent, int index)
{
    for (Page which : { Page::Instant, Page::Sms, Page::Booking }) {
        QWidget* page = pageWidget(which);
        if (!page->isVisibleTo(this))
            continue;
        if (auto* target = dynamic_cast<ContactSelectionTarget*>(page))
            target->AddFromAddressBook(m_panelMode, parent, index);
        return;
    }
}

bool ConferenceWorkspace::event(QEvent* event)
{
    const int message = AppEvent::messageOf(event);
    if (message == 0)
        return SideWindow::event(event);
    const auto* appEvent = static_cast<const AppEvent*>(event);
    Page to;
    switch (message) {
    case Msg::ContactRowDoubleClicked:
        forwardContacts(int(appEvent->lParam()), int(appEvent->wParam()));
        return true;
    case Msg::RestartAsInstant:
        restartPast(int(appEvent->lParam()));
        return true;
    case Msg::BookAgain:
        bookPastAgain(int(appEvent->lParam()));
        return true;
    case Msg::BookingResult:
        to = Page::Booking;
        break;
    case Msg::CreateConferenceResult:
    case Msg::EndConferenceResult:
    case Msg::ConferenceEnded:
    case Msg::InstantPageReserved:
        to = Page::Instant;
        break;
    case Msg::SmsImportFinished:
    case Msg::SmsSendFinished:
        to = Page::Sms;
        break;
    default:
        return SideWindow::event(event);
    }
    postAppEvent(pageWidget(to), message, appEvent->wParam(), appEvent->lParam());
    return true;
}
