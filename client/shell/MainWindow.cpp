#include "shell/MainWindow.h"

#include "core/session/VersionAnswer.h"
#include "login/LoginDialog.h"
#include "shell/AboutDialog.h"
#include "shell/ExitPromptDialog.h"
#include "shell/TrayIcon.h"
#include "shell/UpdaterLauncher.h"
#include "widgets/MessageBoxDialog.h"
#include "widgets/WebLinks.h"

#include "account/BillQueryWindow.h"
#include "account/MeetingSettingsDialog.h"
#include "account/PasswordDialog.h"
#include "account/ProfileDialog.h"
#include "account/RecordingWindow.h"
#include "account/SmsSignatureDialog.h"
#include "account/TransferDialog.h"
#include "addressbook/AddressBookWindow.h"
#include "addressbook/ContactsModel.h"
#include "addressbook/ContactsPanel.h"
#include "conference/ConferenceWorkspace.h"
#include "conference/MeetingsPanel.h"
#include "conference/ScheduledMeetingPage.h"
#include "core/addressbook/AddressBookLoader.h"
#include "core/conference/BookingCancelJob.h"
#include "core/conference/ConferenceJobs.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "core/session/BalanceTicker.h"
#include "core/session/OptionsFile.h"
#include "core/session/SessionLoader.h"
#include "core/session/SessionState.h"
#include "core/session/VersionCheckJob.h"
#include "messaging/SmsPage.h"
#include "skin/Artwork.h"
#include "skin/CButtonPNG.h"
#include "skin/CButtonST.h"
#include "skin/CEditBoxBmp.h"
#include "skin/CTransparentStatic.h"
#include "skin/Fonts.h"
#include "skin/Palette.h"

#include <QKeyEvent>
#include <QTimer>
#include <QWindowStateChangeEvent>

namespace {

const QString kTitle = QStringLiteral("Corvana电话会议");

QString picture(const char* name)
{
    return QString::fromLatin1(name);
}

} // namespace

MainWindow::MainWindow(SessionState& session, QWidget* parent)
    : CDialogEx(parent)
    , m_session(session)
    , m_sessionLoader(new SessionLoader(session, this, this))
    , m_addressBookLoader(new AddressBookLoader(session, this, this))
    , m_ticker(std::make_unique<BalanceTicker>(session, this))
    , m_tray(new TrayIcon(this))
    , m_calls(new ServiceCall(session, this))
{
    setObjectName(QStringLiteral("mainWindow"));
    // Other starts of the program find us by this title; it is never drawn.
    setWindowTitle(kTitle);
    setWindowIcon(skin::Artwork::icon(picture(skin::names::AppIcon)));
    setFixedSize(fromDialogUnits(193, 436));
    m_sessionLoader->setAddressBookLoads([this] { m_addressBookLoader->Synchronise(); });
    connect(m_tray, &TrayIcon::command, this, [this](int command) {
        if (command == TrayIcon::ShowCommand)
            showMainWindowOnly();
        else
            endNow();
    });

    buildControls();
    createChildWindows();
    hidePanels();
    setBackground(picture(skin::names::FaceMain));
    m_panelArea->show();
}

MainWindow::~MainWindow()
{
    m_tray->remove();
    m_session.clearServiceData();
}

void MainWindow::buildControls()
{
    m_logo = new CButtonPNG(this);
    m_logo->setObjectName(QStringLiteral("logo"));
    m_logo->setImage(picture(skin::names::Logo));
    m_logo->setPictureOnly(true);
    // A decoration: a press on it drags the window like the rest of the face.
    m_logo->setAttribute(Qt::WA_TransparentForMouseEvents);

    minimiseButton();
    closeButton();

    m_avatar = new CButtonPNG(this);
    m_avatar->setObjectName(QStringLiteral("accountPicture"));
    m_avatar->setImage(picture(skin::names::Avatar));
    m_avatar->setPictureOnly(true);
    m_avatar->setAttribute(Qt::WA_TransparentForMouseEvents);

    // Account and balance captions share the gold of the title area, in both states.
    const QFont captionFont = skin::Fonts::withCellHeight(QStringLiteral("Arial"), 14, QFont::Bold);
    m_accountButton = new CButtonPNG(this);
    m_accountButton->setObjectName(QStringLiteral("accountCaption"));
    m_balanceButton = new CButtonPNG(this);
    m_balanceButton->setObjectName(QStringLiteral("balanceCaption"));
    for (CButtonPNG* caption : { m_accountButton, m_balanceButton }) {
        caption->setStringAlignment(0);
        caption->setFont(captionFont);
        caption->setTextColors(skin::palette::Gold, skin::palette::Gold);
    }

    m_addressBookButton = new CButtonPNG(this);
    m_addressBookButton->setObjectName(QStringLiteral("addressBookButton"));
    m_addressBookButton->setImage(picture(skin::names::AddressBook));
    m_addressBookButton->setToolTip(tr("通信录管理"));
    connect(m_addressBookButton, &CButtonPNG::clicked, this, &MainWindow::openAddressBook);

    m_liveIndicator = new CButtonPNG(this);
    m_liveIndicator->setObjectName(QStringLiteral("liveIndicator"));
    m_liveIndicator->setImage(picture(skin::names::LiveOff));
    m_liveIndicator->setPictureOnly(true);
    m_liveIndicator->setAttribute(Qt::WA_TransparentForMouseEvents);

    const QString tabTexts[3] = { tr("即时会议"), tr("预约会议"), tr("联系人") };
    const QString tabNames[3]
        = { QStringLiteral("runningTab"), QStringLiteral("bookedTab"), QStringLiteral("contactsTab") };
    for (int i = 0; i < 3; ++i) {
        m_tabs[i] = new CButtonPNG(tabTexts[i], this);
        m_tabs[i]->setObjectName(tabNames[i]);
        m_tabs[i]->setImage(picture(skin::names::Tab));
        m_tabs[i]->setFont(skin::Fonts::withCellHeight(QStringLiteral("微软雅黑"), 20));
        m_tabs[i]->setTextColors(skin::palette::TextSoft, skin::palette::BrandDeep);
        connect(m_tabs[i], &CButtonPNG::clicked, this, [this, i] { clickTab(Tab(i)); });
    }

    m_searchBox = new CEditBoxBmp(this);
    m_searchBox->setObjectName(QStringLiteral("searchBox"));
    m_searchBox->setBackgroundPicture(picture(skin::names::EditSearch));
    m_searchBox->setFont(skin::Fonts::withCellHeight(QStringLiteral("Arial"), 22));
    connect(m_searchBox, &CEditBoxBmp::textChanged, this, &MainWindow::searchChanged);

    m_panelArea = new CTransparentStatic(this);
    m_panelArea->setObjectName(QStringLiteral("panelArea"));
    m_panelArea->hide();

    buildMenu();

    m_banner = new CButtonST(this);
    m_banner->setObjectName(QStringLiteral("banner"));
    m_banner->setPictures(picture(skin::names::Banner));
    m_banner->setButtonCursor(Qt::PointingHandCursor);
    m_banner->setNoBorder(true);
    m_banner->setToolTip(tr("进入corvana官网"));
    connect(m_banner, &CButtonST::clicked, this, [this] { openWebPage(QStringLiteral("/")); });

    layoutControls();
}

void MainWindow::buildMenu()
{
    m_menuButton = new CButtonST(this);
    m_menuButton->setObjectName(QStringLiteral("mainMenuButton"));
    m_menuButton->setPictures(picture(skin::names::Menu));
    m_menuButton->setToolTip(tr("主菜单"));
    const struct {
        int command;
        const char* text;
        bool separatorAfter;
    } entries[] = {
        { InstantMeeting, QT_TR_NOOP("即时会议    "), false },
        { BookMeeting, QT_TR_NOOP("预约会议"), false },
        { SendSms, QT_TR_NOOP("发送短信"), true },
        { ManageAddressBook, QT_TR_NOOP("通信录管理"), true },
        { AccountSettings, QT_TR_NOOP("账号设置"), false },
        { ChangePassword, QT_TR_NOOP("修改密码"), false },
        { SmsSignature, QT_TR_NOOP("短信签名"), false },
        { Transfer, QT_TR_NOOP("账户转账"), false },
        { MeetingSettings, QT_TR_NOOP("会议设置"), false },
        { Recharge, QT_TR_NOOP("账户充值"), false },
        { BillQuery, QT_TR_NOOP("详单查询"), false },
        { Recordings, QT_TR_NOOP("录音试听"), true },
        { CheckVersion, QT_TR_NOOP("软件升级"), false },
        { Help, QT_TR_NOOP("系统帮助"), false },
        // Where no window-system menu exists (this platform), "关于" lives here only.
        { About, QT_TR_NOOP("关    于"), true },
        { ChangeUser, QT_TR_NOOP("更改用户"), false },
        { Exit, QT_TR_NOOP("退    出"), false },
    };
    for (const auto& entry : entries) {
        m_menuButton->addMenuCommand(entry.command, tr(entry.text));
        if (entry.separatorAfter)
            m_menuButton->addMenuSeparator();
    }
    connect(m_menuButton, &CButtonST::menuCommand, this, &MainWindow::runCommand);
}

void MainWindow::layoutControls()
{
    const int w = width();
    const int band = titleBandHeight();
    m_logo->setGeometry(12, (band - 24) / 2, 104, 24);
    const QRect minimise = minimiseButton()->geometry();
    m_menuButton->setGeometry(minimise.translated(-minimise.width() - 4, 0));

    // Account block: picture, account and balance, the two shortcuts at the right.
    const int blockTop = band + 12;
    m_avatar->setGeometry(14, blockTop, 52, 52);
    m_accountButton->setGeometry(76, blockTop + 2, w - 160, 24);
    m_balanceButton->setGeometry(76, blockTop + 28, w - 160, 24);
    m_liveIndicator->setGeometry(w - 78, blockTop + 12, 28, 28);
    m_addressBookButton->setGeometry(w - 44, blockTop + 12, 28, 28);

    const int tabTop = blockTop + 70;
    const int tabWidth = (w - 16) / 3;
    for (int i = 0; i < 3; ++i)
        m_tabs[i]->setGeometry(8 + i * tabWidth, tabTop, tabWidth, 34);

    const int searchTop = tabTop + 40;
    m_searchBox->setGeometry(8, searchTop, w - 16, 30);

    const int bottomHeight = 44;
    const int panelTop = searchTop + 36;
    m_panelArea->setGeometry(2, panelTop, w - 4, height() - panelTop - bottomHeight - 4);

    const int bottomTop = height() - bottomHeight;
    m_banner->setGeometry(8, bottomTop + 4, w - 16, bottomHeight - 10);

    for (QWidget* panel : { static_cast<QWidget*>(m_runningPanel), static_cast<QWidget*>(m_bookedPanel),
             static_cast<QWidget*>(m_contactsPanel) }) {
        if (panel)
            panel->setGeometry(m_panelArea->rect());
    }
}

void MainWindow::createChildWindows()
{
    m_runningPanel = new MeetingsPanel(m_session, m_panelArea, this, MeetingsPanel::Running);
    m_bookedPanel = new MeetingsPanel(m_session, m_panelArea, this, MeetingsPanel::Booked);
    m_contactsPanel = new ContactsPanel(m_session, m_panelArea, this, [this] { m_addressBookLoader->Synchronise(); });
    connect(m_contactsPanel, &ContactsPanel::searchBoxClearRequested, m_searchBox, &CEditBoxBmp::clear);
    m_workspace = new ConferenceWorkspace(m_session, this);
    connect(m_workspace, &ConferenceWorkspace::runningConferencesChanged, this,
        [this] { m_sessionLoader->LoadCurrentConferences(); });
    connect(m_workspace, &ConferenceWorkspace::bookedConferencesChanged, this,
        [this] { m_sessionLoader->LoadSubscribedConferences(); });
    connect(m_contactsPanel, &ContactsPanel::meetingRequested, this, [this](PanelMode mode, int parent, int index) {
        openSideWindow(SideWindows::Workspace);
        m_workspace->StartWithContacts(int(mode), parent, index);
    });
    auto* smsPage = new SmsPage(m_session);
    m_workspace->setPage(ConferenceWorkspace::Page::Sms, smsPage);
    connect(m_workspace, &ConferenceWorkspace::smsPageShown, smsPage, &SmsPage::ShowSignature);
    connect(m_contactsPanel, &ContactsPanel::smsRequested, this, [this](PanelMode mode, int parent, int index) {
        openSideWindow(SideWindows::Workspace);
        m_workspace->SmsToContacts(int(mode), parent, index);
    });
    m_addressBookWindow = new AddressBookWindow(m_session, this);
    m_addressBookWindow->setPartner(m_contactsPanel);
    m_addressBookWindow->setSynchronise([this] { m_addressBookLoader->Synchronise(); });
    m_recordingWindow = new RecordingWindow(m_session, this);
    m_billQueryWindow = new BillQueryWindow(m_session, this);

    m_side.set(SideWindows::Workspace, m_workspace);
    m_side.set(SideWindows::AddressBook, m_addressBookWindow);
    m_side.set(SideWindows::Recording, m_recordingWindow);
    m_side.set(SideWindows::Bill, m_billQueryWindow);
    const std::pair<SideWindow*, SideWindows::Which> sides[] = {
        { m_workspace, SideWindows::Workspace },
        { m_addressBookWindow, SideWindows::AddressBook },
        { m_recordingWindow, SideWindows::Recording },
        { m_billQueryWindow, SideWindows::Bill },
    };
    for (const auto& [window, which] : sides) {
        connect(window, &SideWindow::closedByUser, this, [this, which = which] { m_side.setShownFlag(which, false); });
    }
    layoutControls();
    glueSideWindows();
}

void MainWindow::start()
{
    runLogin();
}

void MainWindow::runLogin()
{
    LoginDialog login(m_session, this, m_openedForUserChange);
    login.setStartSessionLoads([this] { m_sessionLoader->StartSessionLoads(); });
    m_login = &login;
    emit loginStarted(&login);
    login.exec();
    m_lastSignInCancelled = login.signInCancelled();
    m_login = nullptr;

    if (m_session.signInResult() != SessionState::kSignedIn) {
        endNow();
        return;
    }
    const QRect stood = login.lastPosition();
    if (stood.isValid())
        move(stood.topLeft());
    m_minimisedAway = false;
    showNormal();
    raise();
    activateWindow();
    showBalance();
    m_tray->add();
}

void MainWindow::endNow()
{
    m_tray->remove();
    m_side.hideAll(false);
    done(QDialog::Rejected);
}

void MainWindow::bringToFront()
{
    if (m_login) {
        m_login->showNormal();
        m_login->raise();
        m_login->activateWindow();
        return;
    }
    if (isVisible() || m_minimisedAway)
        comeBack();
}

bool MainWindow::event(QEvent* event)
{
    if (AppEvent::messageOf(event) != 0 && handleMessage(*static_cast<AppEvent*>(event)))
        return true;
    return CDialogEx::event(event);
}

bool MainWindow::handleMessage(AppEvent& event)
{
    switch (event.message()) {
    case Msg::TrayIcon:
        trayIconMessage(int(event.lParam()));
        return true;
    case Msg::ContactRowClicked:
        forwardContactRow(event, m_addressBookWindow);
        return true;
    case Msg::ContactRowDoubleClicked:
        forwardContactRow(event, m_workspace);
        return true;
    case Msg::BalanceReady:
        showBalance();
        return true;
    case Msg::ContactsReady:
        m_addressBookLoader->messageHandled();
        afterAddressBookLoad();
        return true;
    case Msg::ConferenceGroupsReady:
        m_addressBookLoader->messageHandled();
        // The panel shows itself; the panel area holds one panel at a time.
        m_runningPanel->hide();
        m_bookedPanel->hide();
        m_contactsPanel->SetModeAndRebuild(1);
        updateTabs();
        afterAddressBookLoad();
        return true;
    case Msg::ContactGroupsReady:
        m_addressBookLoader->messageHandled();
        signInCompleted();
        return true;
    case Msg::ProfileSaved:
        m_sessionLoader->LoadMemberProfile();
        return true;
    case Msg::PasswordChanged:
        // The session still holds the old password, so every later call would be
        // refused: sign in again with the new one.
        changeUser();
        return true;
    case Msg::RunningConferencesReady: {
        const int count = m_session.runningConferences().count();
        listsReady(m_runningPanel, MeetingsPanel::Running, count);
        m_liveIndicator->setImage(picture(count >= 1 ? skin::names::LiveOn : skin::names::LiveOff));
        return true;
    }
    case Msg::OpenRunningConference:
        openRunningConference(int(event.lParam()));
        return true;
    case Msg::BookedConferencesReady:
        listsReady(m_bookedPanel, MeetingsPanel::Booked, m_session.bookedConferences().count());
        return true;
    case Msg::OpenBookedConference:
        openBookedConference(int(event.lParam()));
        return true;
    case Msg::ModifySelectedBooking:
        modifySelectedBooking(event.payload<ConferenceRecord>());
        return true;
    case Msg::ShowContactsPanel:
        showContactsPanel();
        return true;
    case Msg::RefreshBalance:
        m_sessionLoader->LoadBalance();
        return true;
    case Msg::RefreshBookedConferences:
        m_sessionLoader->LoadSubscribedConferences();
        return true;
    case Msg::BookingCancelled:
        if (const auto* reply = event.payload<ConferenceReply>())
            bookingCancelled(*reply);
        return true;
    case Msg::VersionChecked:
        if (const auto* answer = event.payload<VersionAnswer>())
            actOnVersionAnswer(*answer);
        return true;
    default:
        return false;
    }
}

void MainWindow::trayIconMessage(int mouseMessage)
{
    show();
    switch (mouseMessage) {
    case TrayIcon::LeftButtonDown:
    case TrayIcon::LeftButtonDoubleClick:
        comeBack();
        break;
    case TrayIcon::RightButtonDown:
        activateWindow();
        m_tray->popupMenu();
        break;
    default:
        break;
    }
}

void MainWindow::forwardContactRow(AppEvent& event, QWidget* target)
{
    if (!target || !target->isVisible())
        return;
    const QString searchText = m_contactsPanel->searchText();
    if (searchText.isEmpty()) {
        postAppEvent(target, event.message(), event.wParam(), event.lParam());
        return;
    }
    // While searching, the list's rows are search results, not group positions.
    // A non-zero lParam marks the results' header row, which has no position.
    if (event.lParam() != 0) {
        postAppEvent(target, event.message(), -1, -1);
        return;
    }
    // Results name their contact by addressno, so a reload of the book since the
    // search cannot make this read a contact that is gone. A position past the
    // results goes nowhere; a contact no longer in any contact group goes on as no
    // row (-1, -1).
    const std::optional<int> addressno = m_contactsPanel->model()->searchResult(event.wParam());
    if (!addressno)
        return;
    RowRef position;
    m_session.addressBook().findMemberPosition(*addressno, &position);
    postAppEvent(target, event.message(), position.index, position.parent);
}

void MainWindow::signInCompleted()
{
    const bool cancelled = m_login ? m_login->signInCancelled() : m_lastSignInCancelled;
    if (cancelled || !m_session.isSignedIn())
        return;

    hidePanels();
    m_contactsPanel->SetModeAndRebuild(0);
    showContactsPanel();

    m_ticker->start();
    QString error;
    if (!OptionsFile().save(m_session.savedAccounts(), m_session.regphoneid(), &error))
        MessageBoxDialog::run(this, tr("保存账户信息失败：%1").arg(error), tr("提示"));
    setSignedInCaptions();

    if (m_login)
        m_login->accept();
    afterAddressBookLoad();
}

void MainWindow::afterAddressBookLoad()
{
    if (m_addressBookWindow->isVisible() && m_addressBookWindow->isGroupPageVisible()
        && !m_addressBookLoader->anyBusy())
        m_addressBookWindow->RebuildGroupPage();
}

void MainWindow::listsReady(MeetingsPanel* panel, int kind, int count)
{
    hidePanels();
    if (count > 0) {
        panel->setKind(kind);
        panel->RebuildMeetings();
        panel->show();
        updateTabs();
    } else {
        showContactsPanel();
    }
}

void MainWindow::openRunningConference(int index)
{
    ConferenceList& running = m_session.runningConferences();
    running.setSelectedIndex(index);
    openSideWindow(SideWindows::Workspace);
    m_workspace->OpenInstant(nullptr);
    if (const ConferenceRecord* record = running.at(index))
        m_workspace->OpenInstant(record);
}

void MainWindow::openBookedConference(int index)
{
    ConferenceList& booked = m_session.bookedConferences();
    booked.setSelectedIndex(index);
    openSideWindow(SideWindows::Workspace);
    m_workspace->OpenBooking(nullptr);
    if (const ConferenceRecord* record = booked.at(index))
        m_workspace->OpenBooking(record);
}

void MainWindow::modifySelectedBooking(const ConferenceRecord* shown)
{
    ConferenceList& booked = m_session.bookedConferences();
    // The scheduled page names the booking it shows; the panel's selection may be
    // another one by then (a booking made on the page since, a reloaded list).
    if (shown) {
        for (int i = 0; i < booked.count(); ++i) {
            if (booked.at(i)->conferenceId == shown->conferenceId)
                booked.setSelectedIndex(i);
        }
    }
    ConferenceRecord* record = booked.selected();
    if (shown && (!record || record->conferenceId != shown->conferenceId))
        record = nullptr; // not in the list as loaded: cancel it as the page holds it
    if (!record && !shown)
        return;
    ConferenceRecord cancelled = record ? *record : *shown;
    if (record)
        record->lastCommand = BookingCancelJob::kCancelCommand;
    cancelled.lastCommand = BookingCancelJob::kCancelCommand;
    // The booked list reloads once the service has the cancel (Msg::BookingCancelled).
    m_calls->start(Msg::BookingCancelled, BookingCancelJob(std::move(cancelled)));
}

void MainWindow::bookingCancelled(const ConferenceReply& reply)
{
    m_sessionLoader->LoadSubscribedConferences();
    if (!reply.succeeded()) {
        MessageBoxDialog::run(this, reply.message, tr("提示"));
        return;
    }
    // The page no longer offers to cancel a booking that is gone.
    const ScheduledMeetingPage* page = m_workspace->bookingPage();
    if (page && page->record().conferenceId == reply.conferenceId)
        m_workspace->ResetBookingAction();
}

void MainWindow::hidePanels()
{
    m_runningPanel->hide();
    m_bookedPanel->hide();
    m_contactsPanel->hide();
    m_searchBox->clear();
    updateTabs();
}

void MainWindow::showContactsPanel()
{
    hidePanels();
    m_contactsPanel->show();
    m_contactsPanel->Search(QString());
    updateTabs();
}

void MainWindow::updateTabs()
{
    const bool active[3] = { m_runningPanel->isVisibleTo(m_panelArea), m_bookedPanel->isVisibleTo(m_panelArea),
        m_contactsPanel->isVisibleTo(m_panelArea) };
    for (int i = 0; i < 3; ++i)
        m_tabs[i]->setNormalPicIndex(active[i] ? 1 : 0);
}

void MainWindow::showBalance()
{
    if (!m_session.isSignedIn())
        return;
    m_balanceButton->setImage(picture(skin::names::Balance));
    const QString text = QLatin1Char(' ') + QString::fromStdString(m_session.balance());
    if (m_balanceButton->text() != text)
        m_balanceButton->setText(text);
    m_balanceButton->update();
}

void MainWindow::setSignedInCaptions()
{
    m_accountButton->setText(QString::fromStdString(m_session.regphoneid()));
    m_accountButton->update();
}

void MainWindow::clickTab(Tab tab)
{
    switch (tab) {
    case RunningTab:
        hidePanels();
        m_side.hideAll(true);
        m_sessionLoader->LoadCurrentConferences();
        openInstantEmpty();
        break;
    case BookedTab:
        hidePanels();
        m_side.hideAll(true);
        m_sessionLoader->LoadSubscribedConferences();
        openBookingEmpty();
        break;
    case ContactsTab:
        showContactsPanel();
        break;
    }
}

void MainWindow::openInstantEmpty()
{
    m_workspace->show();
    m_workspace->OpenInstant(nullptr);
    m_workspace->SetPanelMode(0, -1);
    m_side.setShownFlag(SideWindows::Workspace, true);
    glueSideWindows();
}

void MainWindow::openBookingEmpty()
{
    m_side.hideAll(false);
    m_workspace->show();
    m_workspace->OpenBooking(nullptr);
    m_side.setShownFlag(SideWindows::Workspace, true);
    glueSideWindows();
}

void MainWindow::openSmsPage()
{
    showContactsPanel();
    m_workspace->show();
    m_workspace->SetPanelMode(0, -1);
    glueSideWindows();
    m_workspace->ShowSmsPage();
}

void MainWindow::openAddressBook()
{
    m_side.hideAll(true);
    showContactsPanel();
    m_side.open(SideWindows::AddressBook);
    m_addressBookWindow->ShowRow(-1, -1);
    glueSideWindows();
}

void MainWindow::openSideWindow(SideWindows::Which which)
{
    m_side.hideAllExcept(which);
    m_side.open(which);
    glueSideWindows();
}

void MainWindow::runCommand(int command)
{
    switch (command) {
    case InstantMeeting:
        openInstantEmpty();
        break;
    case BookMeeting:
        openBookingEmpty();
        break;
    case SendSms:
        openSmsPage();
        break;
    case ManageAddressBook:
        openAddressBook();
        break;
    case AccountSettings:
    case ChangePassword:
    case SmsSignature:
    case Transfer:
    case MeetingSettings:
        runSettingsDialog(command);
        break;
    case Recharge:
        openWebPage(QStringLiteral("/"));
        break;
    case BillQuery:
        openSideWindow(SideWindows::Bill);
        break;
    case Recordings:
        openSideWindow(SideWindows::Recording);
        break;
    case CheckVersion:
        checkVersion();
        break;
    case Help:
        openWebPage(QStringLiteral("/nav/manual.aspx"));
        break;
    case About: {
        AboutDialog about(this);
        about.exec();
        break;
    }
    case ChangeUser:
        changeUser();
        break;
    case Exit:
        endNow();
        break;
    default:
        break;
    }
}

void MainWindow::runSettingsDialog(int command)
{
    std::unique_ptr<SettingsDialog> dialog;
    switch (command) {
    case AccountSettings:
        dialog = std::make_unique<ProfileDialog>(m_session, this, this);
        break;
    case ChangePassword:
        dialog = std::make_unique<PasswordDialog>(m_session, this, this);
        break;
    case MeetingSettings:
        dialog = std::make_unique<MeetingSettingsDialog>(m_session, this, this);
        break;
    case SmsSignature:
        dialog = std::make_unique<SmsSignatureDialog>(m_session, this, this);
        break;
    case Transfer:
        dialog = std::make_unique<TransferDialog>(m_session, this, this);
        break;
    default:
        return;
    }
    dialog->exec();
}

void MainWindow::searchChanged(const QString& text)
{
    if (m_runningPanel->isVisibleTo(m_panelArea))
        m_runningPanel->SetFilter(text);
    if (m_bookedPanel->isVisibleTo(m_panelArea))
        m_bookedPanel->SetFilter(text);
    if (m_contactsPanel->isVisibleTo(m_panelArea))
        m_contactsPanel->Search(text);
    m_searchBox->update();
}

void MainWindow::closeButtonClicked()
{
    closePressed();
}

void MainWindow::reject()
{
    // The window system's close asks as the close button does.
    closePressed();
}

void MainWindow::closePressed()
{
    ExitPromptDialog prompt(m_session.savedAccounts().current(), this);
    if (prompt.exec() != QDialog::Accepted)
        return;
    if (prompt.exitOrMinimise() != 0) {
        minimiseAway();
        return;
    }
    m_workspace->StopLiveMonitor();
    endNow();
}

void MainWindow::minimiseButtonClicked()
{
    minimiseAway();
}

void MainWindow::minimiseAway()
{
    m_side.hideAll(false);
    m_minimisedAway = true;
    // Without a notification area a hidden window could never be found again: keep
    // it on the task bar instead.
    if (m_tray->isVisible())
        hide();
    else
        showMinimized();
}

void MainWindow::showMainWindowOnly()
{
    m_minimisedAway = false;
    showNormal();
    raise();
    activateWindow();
}

void MainWindow::comeBack()
{
    m_minimisedAway = false;
    showNormal();
    raise();
    activateWindow();
    m_side.showFirstFlagged();
    glueSideWindows();
}

void MainWindow::changeEvent(QEvent* event)
{
    CDialogEx::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !m_minimisedAway)
        return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    // Restored from the task bar by the window system: bring the side window back too.
    if ((change->oldState() & Qt::WindowMinimized) && !(windowState() & Qt::WindowMinimized)) {
        m_minimisedAway = false;
        m_side.showFirstFlagged();
        glueSideWindows();
    }
}

void MainWindow::changeUser()
{
    m_session.endSession();
    m_ticker->stop();
    hide();
    hidePanels();
    m_side.hideAll(false);
    m_tray->remove();
    m_balanceButton->setText(QString());
    m_accountButton->setText(QString());
    m_liveIndicator->setImage(picture(skin::names::LiveOff));
    m_openedForUserChange = true;
    // Out of the menu's own event handling before the login dialog runs.
    QTimer::singleShot(0, this, &MainWindow::runLogin);
}

void MainWindow::checkVersion()
{
    m_calls->start(Msg::VersionChecked, &checkClientVersion);
}

void MainWindow::actOnVersionAnswer(const VersionAnswer& answer)
{
    const QString title = tr("提示");
    switch (answer.outcome) {
    case VersionAnswer::Outcome::Silent:
        break;
    case VersionAnswer::Outcome::UpToDate:
        MessageBoxDialog::run(this, tr("您的程序已是最新版本。"), title);
        break;
    case VersionAnswer::Outcome::MustUpgrade:
        // However the message is closed, the old version cannot go on.
        MessageBoxDialog::run(this, tr("当前版本太旧，请升级最新版程序。"), title);
        if (!UpdaterLauncher::canUpdateInPlace()) {
            MessageBoxDialog::run(this, tr("请通过软件包管理器升级 Corvana。"), title);
            break;
        }
        startUpdater(answer.downloadList);
        break;
    case VersionAnswer::Outcome::MayUpgrade:
        // An updater that may not write our folder would only fail half-way.
        if (!UpdaterLauncher::canUpdateInPlace())
            MessageBoxDialog::run(this, tr("请通过软件包管理器升级 Corvana。"), title);
        else if (MessageBoxDialog::run(this, tr("有新版本程序，现在升级吗？"), title, true) == MessageBoxDialog::Ok)
            startUpdater(answer.downloadList);
        break;
    }
}

void MainWindow::startUpdater(const std::string& downloadList)
{
    const QString error = UpdaterLauncher::start(QString::fromStdString(downloadList));
    if (!error.isEmpty()) {
        // Ending now would leave the user with neither the old program nor a new one.
        MessageBoxDialog::run(this, error, tr("提示"));
        return;
    }
    m_workspace->StopLiveMonitor();
    endNow();
}

void MainWindow::openWebPage(const QString& path)
{
    WebLinks::open(path);
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    CDialogEx::moveEvent(event);
    glueSideWindows();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    CDialogEx::resizeEvent(event);
    layoutControls();
    glueSideWindows();
}

void MainWindow::glueSideWindows()
{
    m_side.glueTo(QRect(geometry().topLeft(), size()));
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    // Enter (in the search box, say) must not end the program; Escape reaches
    // reject() and asks as the close button does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    CDialogEx::keyPressEvent(event);
}
