// The main window against a real cvservice: sign-in, the way out, the
// notification-area icon, side windows, messages, change of user and the version check.

#include "PrivateOptionsDir.h"
#include "ServiceProcess.h"

#include "login/LoginDialog.h"
#include "shell/ExitPromptDialog.h"
#include "shell/MainWindow.h"
#include "shell/UpdaterLauncher.h"
#include "widgets/MessageBoxDialog.h"

#include "account/BillQueryWindow.h"
#include "account/RecordingWindow.h"
#include "addressbook/AddressBookWindow.h"
#include "addressbook/ContactsModel.h"
#include "addressbook/ContactsPanel.h"
#include "conference/ConferenceWorkspace.h"
#include "conference/InstantMeetingPage.h"
#include "conference/MeetingsPanel.h"
#include "conference/ScheduledMeetingPage.h"
#include "core/addressbook/AddressBookLoader.h"
#include "core/addressbook/PanelCommand.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "core/session/OptionsFile.h"
#include "core/session/PrivateProfile.h"
#include "core/session/SessionState.h"
#include "cvsrv/CCvService.h"
#include "skin/CButtonCR.h"
#include "skin/CButtonPNG.h"
#include "skin/CDateTimeCtrlEx.h"
#include "skin/CEditBoxBmp.h"
#include "skin/CEditBoxEx.h"
#include "skin/CListBoxEx.h"
#include "widgets/MeetingListBox.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

const QString kAccount = QStringLiteral("13800138000");
const QString kPassword = QStringLiteral("123456");

// Runs action on the modal dialog of type T as soon as it is up.
template <typename T> void whenModal(std::function<void(T*)> action)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            action(dialog);
        }
    });
    poll->start(10);
}

void signIn(LoginDialog* login, const QString& account, const QString& password)
{
    login->findChild<QComboBox*>(QStringLiteral("accountCombo"))->setEditText(account);
    login->findChild<QLineEdit*>(QStringLiteral("passwordEdit"))->setText(password);
    QTest::mouseClick(login->findChild<CButtonPNG*>(QStringLiteral("signInButton")), Qt::LeftButton);
}

ConferenceRecord conference(const char* id, const char* topic)
{
    ConferenceRecord record;
    record.conferenceId = id;
    record.topic = topic;
    record.meetingTime = "2026-12-07T10:00:00";
    record.state = ConferenceRecord::Running;
    return record;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void signInShowsTheMainWindowWhereTheLoginStood();
    void listMessagesSwitchPanelsAndOpenConferences();
    void contactRowsAreTranslatedWhileSearching();
    void searchFiltersTheVisibleList();
    void contactsPanelTalksThroughTheMainWindow();
    void closeToNotificationAreaAndBack();
    void closeWithExitEndsAndExitCommandDoesNotAsk();
    void movingDragsTheSideWindows();
    void autoSignInThenChangeUserSuppressesIt();
    void selectedBookingIsCancelledAndTheListReloaded();
    void theBookingOnShowIsTheOneCancelled();
    void addressBookArrivesWithTheSignIn();
    void trayMenuAndEscape();
    void passwordChangeAsksForANewSignIn();
    void versionCheck_data();
    void versionCheck();
    void systemInstallLeavesUpgradesToThePackageManager_data();
    void systemInstallLeavesUpgradesToThePackageManager();

private:
    // A main window signed in with the demo account.
    std::unique_ptr<MainWindow> signedInWindow();

    corvana::test::PrivateOptionsDir m_options;
    ServiceProcess m_service;
    SessionState m_session;
    QRect m_loginPosition;
};

void MainWindowTest::initTestCase()
{
    QVERIFY2(m_service.start(QStringLiteral(CVSERVICE_PATH)), "cvservice did not start");
}

void MainWindowTest::init()
{
    m_service.pointClientHere();
    m_session.endSession();
    QFile::remove(OptionsFile::defaultPath());
    MessageBoxDialog::clearNextAnswers();
    MessageBoxDialog::clearAnsweredTexts();
}

void MainWindowTest::cleanup()
{
    UpdaterLauncher::setStartFunction({});
    UpdaterLauncher::setProgramFolder({});
}

std::unique_ptr<MainWindow> MainWindowTest::signedInWindow()
{
    auto window = std::make_unique<MainWindow>(m_session);
    connect(window.get(), &MainWindow::loginStarted, this, [this](LoginDialog* login) {
        QTimer::singleShot(0, login, [this, login] {
            m_loginPosition = login->lastPosition();
            signIn(login, kAccount, kPassword);
        });
    });
    QTimer::singleShot(0, window.get(), &MainWindow::start);
    if (!QTest::qWaitFor([&] { return window->isVisible(); }, 20000))
        return nullptr;
    // Let the rest of the session loads land, so that they cannot overwrite what a
    // test puts into the session afterwards.
    if (!QTest::qWaitFor([] { return ServiceCall::running() == 0; }, 20000))
        return nullptr;
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    return window;
}

void MainWindowTest::signInShowsTheMainWindowWhereTheLoginStood()
{
    const auto window = signedInWindow();
    QVERIFY(window);
    QCOMPARE(window->loginDialog(), nullptr);
    QCOMPARE(window->pos(), m_loginPosition.topLeft());
    // Later starts of the program look for this title.
    QCOMPARE(window->windowTitle(), QStringLiteral("Corvana电话会议"));

    std::string balance;
    std::string expiry;
    QCOMPARE(CCvService().GetClientBalance(kAccount.toLatin1(), kPassword.toLatin1(), balance, expiry), 0);
    QVERIFY(!balance.empty());
    auto* balanceCaption = window->findChild<CButtonPNG*>(QStringLiteral("balanceCaption"));
    QTRY_COMPARE(balanceCaption->text(), QStringLiteral(" ") + QString::fromStdString(balance));
    QCOMPARE(window->findChild<CButtonPNG*>(QStringLiteral("accountCaption"))->text(), kAccount);
    QVERIFY(window->contactsPanel()->isVisibleTo(window.get()) || window->runningPanel()->isVisibleTo(window.get()));

    // The completed sign-in saved the account as the first one.
    PrivateProfile options;
    QVERIFY(options.load(OptionsFile::defaultPath()));
    QVERIFY(QString::fromStdString(options.text()).contains(QStringLiteral("regphoneid=13800138000")));
}

void MainWindowTest::listMessagesSwitchPanelsAndOpenConferences()
{
    const auto window = signedInWindow();
    QVERIFY(window);
    SessionState& session = m_session;
    auto* live = window->findChild<CButtonPNG*>(QStringLiteral("liveIndicator"));

    session.runningConferences().replace({ conference("100200300400", "周会"), conference("100200300401", "评审") }, 2);
    QApplication::sendPostedEvents();
    postAppEvent(window.get(), Msg::RunningConferencesReady);
    QTRY_VERIFY(window->runningPanel()->isVisibleTo(window.get()));
    QVERIFY(!window->contactsPanel()->isVisibleTo(window.get()));
    QCOMPARE(window->runningPanel()->list()->count(), 2);
    QCOMPARE(live->image(), QStringLiteral("live-on"));

    postAppEvent(window.get(), Msg::OpenRunningConference, 0, 1);
    QTRY_VERIFY(window->workspace()->isVisible());
    QCOMPARE(window->workspace()->page(), ConferenceWorkspace::Page::Instant);
    QCOMPARE(window->workspace()->openRecord()->topic, std::string("评审"));
    QCOMPARE(session.runningConferences().selectedIndex(), 1);
    // The instant page runs the conference opened and watches it.
    InstantMeetingPage* page = window->workspace()->instantPage();
    QVERIFY(page->isRunning());
    QCOMPARE(page->record().conferenceId, std::string("100200300401"));
    QVERIFY(page->monitor().state() != MonitorSocket::State::Closed);

    // An index past the list opens the page empty instead of reading past the array.
    postAppEvent(window.get(), Msg::OpenRunningConference, 0, 7);
    QTRY_COMPARE(session.runningConferences().selectedIndex(), 7);
    QVERIFY(!window->workspace()->openRecord().has_value());

    session.runningConferences().replace({}, 0);
    postAppEvent(window.get(), Msg::RunningConferencesReady);
    QTRY_VERIFY(window->contactsPanel()->isVisibleTo(window.get()));
    QVERIFY(!window->runningPanel()->isVisibleTo(window.get()));
    QCOMPARE(live->image(), QStringLiteral("live-off"));

    session.bookedConferences().replace({ conference("9001", "季度预算") }, 1);
    postAppEvent(window.get(), Msg::BookedConferencesReady);
    QTRY_VERIFY(window->bookedPanel()->isVisibleTo(window.get()));
    postAppEvent(window.get(), Msg::OpenBookedConference, 1, 0);
    QTRY_COMPARE(window->workspace()->page(), ConferenceWorkspace::Page::Booking);
    QCOMPARE(window->workspace()->openRecord()->conferenceId, std::string("9001"));

    postAppEvent(window.get(), Msg::ShowContactsPanel);
    QTRY_VERIFY(window->contactsPanel()->isVisibleTo(window.get()));
    QVERIFY(!window->bookedPanel()->isVisibleTo(window.get()));
}

void MainWindowTest::contactRowsAreTranslatedWhileSearching()
{
    const auto window = signedInWindow();
    QVERIFY(window);
    AddressBook& book = m_session.addressBook();
    ContactRecord zhang;
    zhang.addressno = 41;
    zhang.addressname = "张三";
    zhang.phone = "13700000001";
    ContactRecord li;
    li.addressno = 42;
    li.addressname = "李四";
    li.phone = "13700000002";
    book.setContacts({ zhang, li }, 2);
    book.setGroupCount(PanelMode::ContactGroups, 2);
    book.groupSlot(PanelMode::ContactGroups, 0).setMembers({ zhang }, 1);
    book.groupSlot(PanelMode::ContactGroups, 1).setMembers({ zhang, li }, 2);

    window->runCommand(MainWindow::ManageAddressBook);
    AddressBookWindow* addressBook = window->addressBookWindow();
    QVERIFY(addressBook->isVisible());
    QCOMPARE(addressBook->lastParent(), -1);

    // Without a search text the row travels unchanged.
    postAppEvent(window.get(), Msg::ContactRowClicked, 3, 1);
    QTRY_COMPARE(addressBook->lastIndex(), 3);
    QCOMPARE(addressBook->lastParent(), 1);

    // While searching, result 0 ("李四") becomes its place in the groups: group 1, member 1.
    window->findChild<CEditBoxBmp*>(QStringLiteral("searchBox"))->insert(QStringLiteral("李"));
    QCOMPARE(window->contactsPanel()->searchText(), QStringLiteral("李"));
    postAppEvent(window.get(), Msg::ContactRowClicked, 0, 0);
    QTRY_COMPARE(addressBook->lastIndex(), 1);
    QCOMPARE(addressBook->lastParent(), 1);

    // A reload during the search replaces the book's arrays; the result row still
    // names "李四", now found at its new place: group 0, member 1.
    ContactRecord wang;
    wang.addressno = 43;
    wang.addressname = "王五";
    wang.phone = "13700000003";
    book.setContacts({ wang, li }, 2);
    book.groupSlot(PanelMode::ContactGroups, 0).setMembers({ wang, li }, 2);
    book.groupSlot(PanelMode::ContactGroups, 1).setMembers({ wang }, 1);
    postAppEvent(window.get(), Msg::ContactRowClicked, 0, 0);
    QTRY_COMPARE(addressBook->lastParent(), 0);
    QCOMPARE(addressBook->lastIndex(), 1);

    // A result whose contact has left every contact group goes on as no row.
    book.groupSlot(PanelMode::ContactGroups, 0).setMembers({ wang }, 1);
    postAppEvent(window.get(), Msg::ContactRowClicked, 0, 0);
    QTRY_COMPARE(addressBook->lastParent(), -1);
    QCOMPARE(addressBook->lastIndex(), -1);
    book.groupSlot(PanelMode::ContactGroups, 0).setMembers({ wang, li }, 2);
    postAppEvent(window.get(), Msg::ContactRowClicked, 0, 0);
    QTRY_COMPARE(addressBook->lastParent(), 0);

    // The results' header row has no place; a result that does not exist goes nowhere.
    postAppEvent(window.get(), Msg::ContactRowClicked, 0, 1);
    QTRY_COMPARE(addressBook->lastParent(), -1);
    QCOMPARE(addressBook->lastIndex(), -1);
    postAppEvent(window.get(), Msg::ContactRowClicked, 5, 0);
    QApplication::sendPostedEvents();
    QApplication::sendPostedEvents();
    QCOMPARE(addressBook->lastParent(), -1);
}

void MainWindowTest::searchFiltersTheVisibleList()
{
    const auto window = signedInWindow();
    QVERIFY(window);
    m_session.runningConferences().replace(
        { conference("1", "周会"), conference("2", "预算评审"), conference("3", "预算复核") }, 3);
    postAppEvent(window.get(), Msg::RunningConferencesReady);
    QTRY_VERIFY(window->runningPanel()->isVisibleTo(window.get()));

    window->findChild<CEditBoxBmp*>(QStringLiteral("searchBox"))->insert(QStringLiteral("预算"));
    MeetingListBox* list = window->runningPanel()->list();
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->row(1).firstText, QStringLiteral("预算复核"));

    // A filtered row still opens its own conference.
    postAppEvent(window->runningPanel(), Msg::OpenRunningConference, 0, 1);
    QTRY_VERIFY(window->workspace()->isVisible());
    QCOMPARE(window->workspace()->openRecord()->conferenceId, std::string("3"));
}

void MainWindowTest::contactsPanelTalksThroughTheMainWindow()
{
    const auto window = signedInWindow();
    QVERIFY(window);
    window->clickTab(MainWindow::ContactsTab);
    ContactsPanel* panel = window->contactsPanel();
    QVERIFY(panel->isVisibleTo(window.get()));

    // A click on a row reaches the address-book window as the row's coordinates.
    window->runCommand(MainWindow::ManageAddressBook);
    const QModelIndex second = panel->model()->index(1, 0);
    panel->list()->scrollTo(second);
    QTest::mouseClick(panel->list()->viewport(), Qt::LeftButton, {}, panel->list()->visualRect(second).center());
    QTRY_COMPARE(window->addressBookWindow()->lastIndex(), 1);
    QCOMPARE(window->addressBookWindow()->lastParent(), -1);

    // The panel's tabs empty the main window's search box.
    auto* searchBox = window->findChild<CEditBoxBmp*>(QStringLiteral("searchBox"));
    searchBox->insert(QStringLiteral("139"));
    QCOMPARE(panel->searchText(), QStringLiteral("139"));
    QTest::mouseClick(panel->tab(PanelMode::ConferenceGroups), Qt::LeftButton);
    QCOMPARE(searchBox->text(), QString());
    QCOMPARE(panel->searchText(), QString());
    QCOMPARE(panel->mode(), PanelMode::ConferenceGroups);

    // A group handed to the conference pages brings up the workspace; "同步" loads
    // the book again.
    panel->list()->setCurrentIndex(panel->model()->index(0, 0));
    panel->runCommand(int(PanelCommand::MeetMembers));
    QVERIFY(window->workspace()->isVisible());
    panel->runCommand(int(PanelCommand::Synchronise));
    QVERIFY(window->addressBookLoader()->isBusy(AddressBookLoader::ConferenceGroups));
}

void MainWindowTest::closeToNotificationAreaAndBack()
{
    const auto window = signedInWindow();
    QVERIFY(window);
    window->clickTab(MainWindow::RunningTab);
    QVERIFY(window->workspace()->isVisible());

    whenModal<ExitPromptDialog>([](ExitPromptDialog* prompt) {
        QTest::mouseClick(prompt->findChild<CButtonCR*>(QStringLiteral("minimiseChoice")), Qt::LeftButton);
        QTest::mouseClick(prompt->findChild<CButtonPNG*>(QStringLiteral("okButton")), Qt::LeftButton);
    });
    QSignalSpy finished(window.get(), &QDialog::finished);
    QTest::mouseClick(window->closeButton(), Qt::LeftButton);

    QVERIFY(window->isMinimisedAway());
    QVERIFY(!window->isVisible() || window->isMinimized());
    QVERIFY(!window->workspace()->isVisible());
    QCOMPARE(finished.count(), 0);
    QCOMPARE(m_session.savedAccounts().current()->exitormin, 1);

    // A left click on the icon brings back the window and the side window it had open.
    postAppEvent(window.get(), Msg::TrayIcon, 0, 0x0201);
    QTRY_VERIFY(window->isVisible() && !window->isMinimized());
    QVERIFY(window->workspace()->isVisible());
    QVERIFY(!window->isMinimisedAway());

    // The minimise button tucks it away without asking.
    QTest::mouseClick(window->minimiseButton(), Qt::LeftButton);
    QVERIFY(window->isMinimisedAway());
    QVERIFY(!window->workspace()->isVisible());
}

void MainWindowTest::closeWithExitEndsAndExitCommandDoesNotAsk()
{
    {
        const auto window = signedInWindow();
        QVERIFY(window);
        QSignalSpy finished(window.get(), &QDialog::finished);
        whenModal<ExitPromptDialog>([](ExitPromptDialog* prompt) {
            QTest::mouseClick(prompt->findChild<CButtonCR*>(QStringLiteral("exitChoice")), Qt::LeftButton);
            QTest::mouseClick(prompt->findChild<CButtonPNG*>(QStringLiteral("okButton")), Qt::LeftButton);
        });
        QTest::mouseClick(window->closeButton(), Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!window->isVisible());
    }
    {
        const auto window = signedInWindow();
        QVERIFY(window);
        // Cancel keeps everything as it was.
        QSignalSpy finished(window.get(), &QDialog::finished);
        whenModal<ExitPromptDialog>([](ExitPromptDialog* prompt) {
            QTest::mouseClick(prompt->findChild<CButtonPNG*>(QStringLiteral("cancelButton")), Qt::LeftButton);
        });
        QTest::mouseClick(window->closeButton(), Qt::LeftButton);
        QCOMPARE(finished.count(), 0);
        QVERIFY(window->isVisible() && !window->isMinimisedAway());

        window->runCommand(MainWindow::Exit);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
}

void MainWindowTest::movingDragsTheSideWindows()
{
    const auto window = signedInWindow();
    QVERIFY(window);
    window->runCommand(MainWindow::BillQuery);
    BillQueryWindow* bills = window->billQueryWindow();
    QVERIFY(bills->isVisible());
    QVERIFY(window->sideWindows().shownFlag(SideWindows::Bill));

    window->move(120, 80);
    QTRY_COMPARE(bills->geometry().topLeft(), QPoint(120 + window->width(), 80));
    QCOMPARE(bills->height(), window->height());

    // Opening another side window hides the bills but keeps their flag.
    window->runCommand(MainWindow::Recordings);
    QVERIFY(!bills->isVisible());
    QVERIFY(window->sideWindows().shownFlag(SideWindows::Bill));
    window->move(300, 40);
    QTRY_COMPARE(window->recordingWindow()->geometry().topLeft(), QPoint(300 + window->width(), 40));

    // Its own close button hides it for good: it does not come back with the main window.
    QTest::mouseClick(window->recordingWindow()->closeButton(), Qt::LeftButton);
    QVERIFY(!window->recordingWindow()->isVisible());
    QVERIFY(!window->sideWindows().shownFlag(SideWindows::Recording));
}

void MainWindowTest::autoSignInThenChangeUserSuppressesIt()
{
    PrivateProfile options;
    options.writeString("system", "usercount", "1");
    options.writeString("user0", "regphoneid", kAccount.toStdString());
    options.writeString("user0", "regphonepd", kPassword.toStdString());
    options.writeString("user0", "rempd", "1");
    options.writeString("user0", "autologin", "1");
    QVERIFY(options.save(OptionsFile::defaultPath()));

    MainWindow window(m_session);
    QList<bool> changeUserFlags;
    QList<bool> attemptsRunning;
    connect(&window, &MainWindow::loginStarted, this, [&](LoginDialog* login) {
        QTimer::singleShot(0, login, [&, login] {
            changeUserFlags.append(login->openedForUserChange());
            attemptsRunning.append(login->attemptRunning());
            // The second login is left alone by the auto sign-in: end it.
            if (login->openedForUserChange())
                QTest::mouseClick(login->closeButton(), Qt::LeftButton);
        });
    });
    QSignalSpy finished(&window, &QDialog::finished);
    QTimer::singleShot(0, &window, &MainWindow::start);
    QTRY_VERIFY_WITH_TIMEOUT(window.isVisible(), 20000);
    QCOMPARE(changeUserFlags, QList<bool> { false });
    QCOMPARE(attemptsRunning, QList<bool> { true });

    window.runCommand(MainWindow::ChangeUser);
    QVERIFY(!window.isVisible());
    QCOMPARE(m_session.signInResult(), SessionState::kNotSignedIn);
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(changeUserFlags, (QList<bool> { false, true }));
    QCOMPARE(attemptsRunning, (QList<bool> { true, false }));
    QVERIFY(!window.isVisible());
}

void MainWindowTest::selectedBookingIsCancelledAndTheListReloaded()
{
    ServiceProcess service; // its own bookings: this test cancels one
    QVERIFY(service.start(QStringLiteral(CVSERVICE_PATH)));
    const auto window = signedInWindow();
    QVERIFY(window);
    ConferenceList& booked = m_session.bookedConferences();
    window->clickTab(MainWindow::BookedTab);
    QTRY_VERIFY(window->bookedPanel()->isVisibleTo(window.get()));
    const int before = booked.count();
    QVERIFY(before >= 1);

    postAppEvent(window.get(), Msg::OpenBookedConference, 1, 0);
    QTRY_VERIFY(window->workspace()->openRecord().has_value());
    const std::string cancelled = window->workspace()->openRecord()->conferenceId;

    postAppEvent(window.get(), Msg::ModifySelectedBooking);
    QTRY_COMPARE(booked.count(), before - 1);
    for (int i = 0; i < booked.count(); ++i)
        QVERIFY(booked.at(i)->conferenceId != cancelled);
    m_service.pointClientHere();
}

// A booking made on the page is listed at once; its cancel goes for it, not for the
// booking the panel had selected before, and the page then offers a new booking.
void MainWindowTest::theBookingOnShowIsTheOneCancelled()
{
    ServiceProcess service; // its own bookings: this test cancels one
    QVERIFY(service.start(QStringLiteral(CVSERVICE_PATH)));
    const auto window = signedInWindow();
    QVERIFY(window);
    ConferenceList& booked = m_session.bookedConferences();
    window->clickTab(MainWindow::BookedTab);
    QTRY_VERIFY(window->bookedPanel()->isVisibleTo(window.get()));
    const int before = booked.count();
    QVERIFY(before >= 1);
    postAppEvent(window.get(), Msg::OpenBookedConference, 1, 0);
    QTRY_VERIFY(window->workspace()->openRecord().has_value());
    const std::string selected = booked.at(0)->conferenceId;

    window->runCommand(MainWindow::BookMeeting);
    ScheduledMeetingPage* page = window->workspace()->bookingPage();
    QVERIFY(page->isVisible());
    page->findChild<CEditBoxEx*>(QStringLiteral("topicEdit"))->setText(QStringLiteral("新预约"));
    page->findChild<CEditBoxEx*>(QStringLiteral("phoneEdit"))->setText(QStringLiteral("13911110001"));
    QTest::mouseClick(page->findChild<CButtonPNG*>(QStringLiteral("addButton")), Qt::LeftButton);
    page->findChild<CDateTimeCtrlEx*>(QStringLiteral("timePicker"))
        ->setDateTime(QDateTime::currentDateTime().addDays(1));
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    QTest::mouseClick(page->findChild<CButtonPNG*>(QStringLiteral("bookButton")), Qt::LeftButton);
    QTRY_COMPARE(page->editingFlag(), 1);
    const std::string made = page->record().conferenceId;
    QTRY_COMPARE(booked.count(), before + 1);
    QVERIFY(window->bookedPanel()->isVisibleTo(window.get()));

    QTest::mouseClick(page->findChild<CButtonPNG*>(QStringLiteral("bookButton")), Qt::LeftButton);
    QTRY_COMPARE(booked.count(), before);
    bool selectedKept = false;
    for (int i = 0; i < booked.count(); ++i) {
        QVERIFY(booked.at(i)->conferenceId != made);
        selectedKept = selectedKept || booked.at(i)->conferenceId == selected;
    }
    QVERIFY(selectedKept);
    QTRY_COMPARE(page->findChild<CButtonPNG*>(QStringLiteral("bookButton"))->text(), QStringLiteral("预约会议"));
    QCOMPARE(page->editingFlag(), 0);
    QCOMPARE(MessageBoxDialog::pendingAnswers(), 0);
    m_service.pointClientHere();
}

void MainWindowTest::addressBookArrivesWithTheSignIn()
{
    const auto window = signedInWindow();
    QVERIFY(window);
    const AddressBook& book = m_session.addressBook();

    std::string text;
    int groups = 0;
    QCOMPARE(CCvService().GetClientAddressGroup(kAccount.toLatin1(), kPassword.toLatin1(), text, groups), 0);
    QVERIFY(groups > 0);
    QCOMPARE(book.groupCount(PanelMode::ContactGroups), groups);
    const GroupEntry& first = book.groupSlot(PanelMode::ContactGroups, 0);
    QVERIFY(!first.name.empty());
    QVERIFY(first.id > 0);

    int members = 0;
    QCOMPARE(CCvService().QueryClientAddressGroupMember(
                 kAccount.toLatin1(), kPassword.toLatin1(), std::to_string(first.id).c_str(), text, members),
        0);
    QCOMPARE(first.memberCount, members);
    QCOMPARE(int(first.members.size()), members);
    if (members > 0)
        QVERIFY(!first.members.front().phone.empty());

    int contacts = 0;
    QCOMPARE(CCvService().QueryClientAddress(kAccount.toLatin1(), kPassword.toLatin1(), text, contacts), 0);
    QCOMPARE(book.contactCount(), contacts);

    // One run of a loader at a time; the group page is rebuilt once the last one lands.
    AddressBookLoader* loader = window->addressBookLoader();
    window->runCommand(MainWindow::ManageAddressBook);
    window->addressBookWindow()->ShowRow(-1, 0);
    const int rebuilds = window->addressBookWindow()->groupPageRebuilds();
    loader->Synchronise();
    QVERIFY(loader->isBusy(AddressBookLoader::Contacts));
    loader->LoadContacts();
    QTRY_VERIFY(!loader->anyBusy());
    QTRY_COMPARE(window->addressBookWindow()->groupPageRebuilds(), rebuilds + 1);
}

void MainWindowTest::trayMenuAndEscape()
{
    const auto window = signedInWindow();
    QVERIFY(window);
    QSignalSpy finished(window.get(), &QDialog::finished);

    // Escape asks as the close button does; Enter does nothing.
    whenModal<ExitPromptDialog>([](ExitPromptDialog* prompt) {
        QTest::mouseClick(prompt->findChild<CButtonPNG*>(QStringLiteral("cancelButton")), Qt::LeftButton);
    });
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QTest::keyClick(window->findChild<CEditBoxBmp*>(QStringLiteral("searchBox")), Qt::Key_Return);
    QCOMPARE(finished.count(), 0);
    QVERIFY(window->isVisible());

    // A right press on the icon drops its menu; its exit ends without asking.
    postAppEvent(window.get(), Msg::TrayIcon, 0, 0x0204);
    auto* menu = window->findChild<QMenu*>(QStringLiteral("trayMenu"));
    QVERIFY(menu);
    QTRY_VERIFY(menu->isVisible());
    const QList<QAction*> actions = menu->actions();
    QCOMPARE(actions.size(), 2);
    QCOMPARE(actions[0]->text(), QStringLiteral("显示Corvana"));
    QCOMPARE(actions[1]->text(), QStringLiteral("退出Corvana"));
    menu->hide();

    // "显示Corvana" brings back the main window only: the side window that was open
    // stays away until the icon itself is clicked.
    window->runCommand(MainWindow::BillQuery);
    QVERIFY(window->billQueryWindow()->isVisible());
    QTest::mouseClick(window->findChild<CButtonPNG*>(QStringLiteral("minimiseButton")), Qt::LeftButton);
    QTRY_VERIFY(window->isMinimisedAway());
    QVERIFY(!window->billQueryWindow()->isVisible());
    actions[0]->trigger();
    QTRY_VERIFY(window->isVisible() && !window->isMinimized());
    QVERIFY(!window->isMinimisedAway());
    QVERIFY(!window->billQueryWindow()->isVisible());

    actions[1]->trigger();
    QCOMPARE(finished.count(), 1);
}

void MainWindowTest::passwordChangeAsksForANewSignIn()
{
    const auto window = signedInWindow();
    QVERIFY(window);
    QList<bool> forUserChange;
    connect(window.get(), &MainWindow::loginStarted, this, [&](LoginDialog* login) {
        QTimer::singleShot(0, login, [&, login] {
            forUserChange.append(login->openedForUserChange());
            QTest::mouseClick(login->closeButton(), Qt::LeftButton);
        });
    });
    QSignalSpy finished(window.get(), &QDialog::finished);
    postAppEvent(window.get(), Msg::PasswordChanged);
    QTRY_COMPARE(finished.count(), 1);
    // The old password is gone with the session: nothing signs in with it again.
    QCOMPARE(forUserChange, QList<bool> { true });
    QCOMPARE(m_session.signInResult(), SessionState::kNotSignedIn);
    QVERIFY(!window->isVisible());
}

void MainWindowTest::versionCheck_data()
{
    QTest::addColumn<QStringList>("serviceOptions");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("updaterStarts");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ends");

    QTest::newRow("current") << QStringList() << int(MessageBoxDialog::Ok) << true
                             << QStringLiteral("您的程序已是最新版本。") << false;
    const QStringList newer { QStringLiteral("--latest-version"), QStringLiteral("1009") };
    QTest::newRow("newer, upgrade") << newer << int(MessageBoxDialog::Ok) << true
                                    << QStringLiteral("有新版本程序，现在升级吗？") << true;
    QTest::newRow("newer, later") << newer << int(MessageBoxDialog::Cancel) << true
                                  << QStringLiteral("有新版本程序，现在升级吗？") << false;
    const QStringList tooOld { QStringLiteral("--latest-version"), QStringLiteral("1010"),
        QStringLiteral("--minimum-version"), QStringLiteral("1009") };
    // Closing the message does not keep the old version running.
    QTest::newRow("too old, closed") << tooOld << int(MessageBoxDialog::Cancel) << true
                                     << QStringLiteral("当前版本太旧，请升级最新版程序。") << true;
    QTest::newRow("too old, no updater") << tooOld << int(MessageBoxDialog::Ok) << false
                                         << QStringLiteral("当前版本太旧，请升级最新版程序。") << false;
}

void MainWindowTest::versionCheck()
{
    QFETCH(QStringList, serviceOptions);
    QFETCH(int, answer);
    QFETCH(bool, updaterStarts);
    QFETCH(QString, text);
    QFETCH(bool, ends);

    ServiceProcess service;
    QVERIFY(service.start(QStringLiteral(CVSERVICE_PATH), serviceOptions));
    const auto window = signedInWindow();
    QVERIFY(window);

    QStringList started;
    UpdaterLauncher::setStartFunction([&](const QString&, const QStringList& arguments, const QString&) {
        started += arguments;
        return updaterStarts;
    });
    QSignalSpy finished(window.get(), &QDialog::finished);
    MessageBoxDialog::setNextAnswer(answer);
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    window->runCommand(MainWindow::CheckVersion);

    // The check runs off the GUI thread; its answer comes back as a message.
    QTRY_VERIFY(!MessageBoxDialog::answeredTexts().isEmpty());
    const QStringList shown = MessageBoxDialog::answeredTexts();
    QCOMPARE(shown.first(), text);
    QCOMPARE(finished.count(), ends ? 1 : 0);
    const bool offered = text != QStringLiteral("您的程序已是最新版本。") && answer == MessageBoxDialog::Ok;
    const bool forced = text == QStringLiteral("当前版本太旧，请升级最新版程序。");
    if (offered || forced) {
        QCOMPARE(started.size(), 1);
        QVERIFY(started.first().startsWith(QStringLiteral("http://")));
    } else {
        QVERIFY(started.isEmpty());
    }
    // An updater that cannot start is reported, and the program stays.
    QCOMPARE(shown.size(), (offered || forced) && !updaterStarts ? 2 : 1);
    m_service.pointClientHere();
}

void MainWindowTest::systemInstallLeavesUpgradesToThePackageManager_data()
{
    QTest::addColumn<QStringList>("serviceOptions");
    QTest::addColumn<QStringList>("texts");

    const QString packageManager = QStringLiteral("请通过软件包管理器升级 Corvana。");
    QTest::newRow("newer") << QStringList { QStringLiteral("--latest-version"), QStringLiteral("1009") }
                           << QStringList { packageManager };
    QTest::newRow("too old") << QStringList { QStringLiteral("--latest-version"), QStringLiteral("1010"),
        QStringLiteral("--minimum-version"), QStringLiteral("1009") }
                             << QStringList { QStringLiteral("当前版本太旧，请升级最新版程序。"), packageManager };
}

void MainWindowTest::systemInstallLeavesUpgradesToThePackageManager()
{
    QFETCH(QStringList, serviceOptions);
    QFETCH(QStringList, texts);

    ServiceProcess service;
    QVERIFY(service.start(QStringLiteral(CVSERVICE_PATH), serviceOptions));
    const auto window = signedInWindow();
    QVERIFY(window);
    // A folder we may not write; a missing one stands in for it, also for root.
    QTemporaryDir root;
    UpdaterLauncher::setProgramFolder(root.filePath(QStringLiteral("usr/lib/corvana")));
    bool started = false;
    UpdaterLauncher::setStartFunction([&](const QString&, const QStringList&, const QString&) {
        started = true;
        return true;
    });
    QSignalSpy finished(window.get(), &QDialog::finished);
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    window->runCommand(MainWindow::CheckVersion);

    QTRY_COMPARE(MessageBoxDialog::answeredTexts(), texts);
    QVERIFY(!started);
    QCOMPARE(finished.count(), 0);
    m_service.pointClientHere();
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
