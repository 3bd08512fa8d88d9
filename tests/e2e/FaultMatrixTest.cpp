// The fault matrix: every flow of the client, through its real windows and jobs,
// against a cvservice child that is down, slow, or answers wrongly, and against a
// monitor that drops, splits, merges or garbles its messages. Each cell must end in
// time, tell the user what the flow tells for that failure (or nothing where it is
// silent) and leave the files and the address book whole. One service serves every
// cell; its fault switches change between cells.

#include "FaultMatrix.h"

#include "account/BillQueryWindow.h"
#include "addressbook/AddressBookWindow.h"
#include "addressbook/ContactDialog.h"
#include "conference/InstantMeetingPage.h"
#include "conference/ScheduledMeetingPage.h"
#include "login/LoginDialog.h"
#include "messaging/SmsPage.h"
#include "shell/MainWindow.h"
#include "shell/UpdaterLauncher.h"
#include "widgets/ImportFileDialog.h"
#include "widgets/MessageBoxDialog.h"

#include "UpdaterDialog.h"

#include "core/addressbook/AddressBook.h"
#include "core/addressbook/AddressBookLoader.h"
#include "core/conference/ConferenceJobs.h"
#include "core/conference/ConferenceListDecoder.h"
#include "core/conference/ConferenceStart.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "core/session/OptionsFile.h"
#include "core/session/SessionLoader.h"
#include "core/session/SessionState.h"
#include "core/session/VersionCheckJob.h"
#include "cvsrv/CCvService.h"
#include "skin/CButtonPNG.h"
#include "skin/CDateTimeCtrlEx.h"
#include "skin/CEditBoxEx.h"

#include "EventRecorder.h"
#include "ServiceBook.h"
#include "ServiceFaults.h"
#include "ServiceProcess.h"
#include "WhenModal.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

using namespace faultMatrix;
using serviceBook::kDemo;

Q_DECLARE_METATYPE(faultMatrix::Flow)
Q_DECLARE_METATYPE(faultMatrix::Fault)

namespace {

// However a flow fails, it must be over within this: a few client time-outs.
constexpr int kFlowBoundMs = 4 * kExchangeTimeoutMs + 2000;

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A port on which nothing listens: what the client meets when the service is down.
QByteArray closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QByteArray::number(port);
}

ConferenceRecord composedConference()
{
    ConferenceDraft draft;
    draft.hostNumber = kDemo.account;
    draft.topic = "故障演练";
    draft.phones = "13911110001";
    draft.names = "王芳";
    draft.participantCount = 1;
    draft.ipAddress = SessionState::kSignInIpAddress;
    return conferenceStart::check(draft, QDateTime::currentDateTime()).record.value_or(ConferenceRecord {});
}

// A modal dialog still up past the bound is a frozen window: it is closed so that the
// test goes on, and the cell fails.
class FreezeGuard {
public:
    FreezeGuard()
    {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            // A few layers at most: a box over a progress dialog over a window.
            for (int layer = 0; layer < 3; ++layer) {
                QWidget* modal = QApplication::activeModalWidget();
                if (!modal)
                    return;
                m_froze = true;
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
                else
                    modal->close();
                QCoreApplication::processEvents();
            }
        });
        m_timer.start(kFlowBoundMs + 3000);
    }

    bool froze() const { return m_froze; }

private:
    QTimer m_timer;
    bool m_froze = false;
};

} // namespace

class FaultMatrixTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cell_data();
    void cell();
    void cleanup();

private:
    std::unique_ptr<SessionState> signedInSession() const;
    // Waits until done() holds; the time taken must stay within the bound.
    bool within(const std::function<bool()>& done, const char* what);
    void settle();

    void signIn(Fault fault);
    void sessionLoads(Fault fault);
    void conferenceStart(Fault fault);
    void conferenceEnd(Fault fault);
    void booking(Fault fault);
    void contactChange(Fault fault);
    void contactImport(Fault fault);
    void smsSend(Fault fault);
    void billQuery(Fault fault);
    void versionCheck(Fault fault);
    void updater(Fault fault);

    void switchOn(Fault fault);
    void endStrayConferences();

    // The service itself, also while the client is told it is down.
    CCvService liveService() const;
    std::string storedContacts() const;
    std::string bookedConferences() const;
    int runningConferenceCount() const;

    ServiceProcess m_service;
    QTemporaryDir m_folder;
    QString m_downloadList;
    QElapsedTimer m_clock;
    int m_contactSerial = 0;
};

void FaultMatrixTest::initTestCase()
{
    qRegisterMetaType<Flow>();
    qRegisterMetaType<Fault>();
    const QByteArray timeout = QByteArray::number(kExchangeTimeoutMs);
    qputenv("CORVANA_CONNECT_TIMEOUT_MS", timeout);
    qputenv("CORVANA_EXCHANGE_TIMEOUT_MS", timeout);
    qputenv("no_proxy", "127.0.0.1");

    // What the version check offers: a newer client and its notes.
    const QString updates = m_folder.filePath(QStringLiteral("updates"));
    QVERIFY(QDir().mkpath(updates));
    QVERIFY(writeFile(updates + QStringLiteral("/corvana"), "new client"));
    QVERIFY(writeFile(updates + QStringLiteral("/corvana-update.txt"), "new notes"));
    QVERIFY2(m_service.start(QStringLiteral(CVSERVICE_PATH),
                 { QStringLiteral("--updates"), updates, QStringLiteral("--latest-version"), QStringLiteral("1009") }),
        "cvservice did not start");

    CCvService service;
    m_downloadList = QString::fromStdString(checkClientVersion(service, kDemo).downloadList);
    QVERIFY(m_downloadList.contains(QStringLiteral("/updates/corvana;")));
}

void FaultMatrixTest::cleanupTestCase()
{
    QVERIFY(ServiceCall::waitForAll(std::chrono::seconds(20)));
}

void FaultMatrixTest::cell_data()
{
    QTest::addColumn<Flow>("flow");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QStringList>("shown");
    for (const Cell& cell : cells()) {
        QStringList shown;
        for (const QString& text : cell.shown)
            shown << text;
        QTest::addRow("%s / %s", name(cell.flow), name(cell.fault)) << cell.flow << cell.fault << shown;
    }
}

void FaultMatrixTest::cell()
{
    QFETCH(Flow, flow);
    QFETCH(Fault, fault);
    QFETCH(QStringList, shown);

    MessageBoxDialog::clearNextAnswers();
    MessageBoxDialog::clearAnsweredTexts();
    // Every box the flow shows is answered at once; the texts are kept.
    for (int i = 0; i < 3; ++i)
        MessageBoxDialog::setNextAnswer(flow == Flow::VersionCheck ? MessageBoxDialog::Cancel : MessageBoxDialog::Ok);
    if (fault == Fault::Down)
        qputenv("CORVANA_WEB_PORT", closedPort());

    FreezeGuard guard;
    switch (flow) {
    case Flow::SignIn:
        signIn(fault);
        break;
    case Flow::SessionLoads:
        sessionLoads(fault);
        break;
    case Flow::ConferenceStart:
        conferenceStart(fault);
        break;
    case Flow::ConferenceEnd:
        conferenceEnd(fault);
        break;
    case Flow::Booking:
        booking(fault);
        break;
    case Flow::ContactChange:
        contactChange(fault);
        break;
    case Flow::ContactImport:
        contactImport(fault);
        break;
    case Flow::SmsSend:
        smsSend(fault);
        break;
    case Flow::BillQuery:
        billQuery(fault);
        break;
    case Flow::VersionCheck:
        versionCheck(fault);
        break;
    case Flow::Updater:
        updater(fault);
        break;
    }
    QVERIFY2(!guard.froze(), "a window was still waiting past the time-out");
    if (QTest::currentTestFailed())
        return;
    settle();
    QCOMPARE(MessageBoxDialog::answeredTexts(), shown);
}

void FaultMatrixTest::cleanup()
{
    m_service.pointClientHere();
    QVERIFY(clearServiceFaults(m_service));
    settle();
    MessageBoxDialog::clearNextAnswers();
}

std::unique_ptr<SessionState> FaultMatrixTest::signedInSession() const
{
    auto session = std::make_unique<SessionState>();
    session->setCredentials(kDemo.account, kDemo.password);
    session->setIpAddress(SessionState::kSignInIpAddress);
    session->setSignInResult(SessionState::kSignedIn);
    session->memberProfile().hostNumber = kDemo.account;
    return session;
}

CCvService FaultMatrixTest::liveService() const
{
    cvsrv::ServiceConfig config = cvsrv::ServiceConfig::fromEnvironment();
    config.webPort = m_service.httpPort().toInt();
    return CCvService(config);
}

std::string FaultMatrixTest::storedContacts() const
{
    std::string text;
    int rows = 0;
    liveService().QueryClientAddress(kDemo.account.c_str(), kDemo.password.c_str(), text, rows);
    return text;
}

std::string FaultMatrixTest::bookedConferences() const
{
    std::string text;
    int rows = 0;
    liveService().GetSubscribeCurrentConference(kDemo.account.c_str(), kDemo.password.c_str(), text, rows);
    return text;
}

int FaultMatrixTest::runningConferenceCount() const
{
    std::string text;
    int rows = 0;
    liveService().Getcurrentconferencelist(kDemo.account.c_str(), kDemo.password.c_str(), text, rows);
    return rows;
}

bool FaultMatrixTest::within(const std::function<bool()>& done, const char* what)
{
    if (QTest::qWaitFor(done, kFlowBoundMs) && m_clock.elapsed() <= kFlowBoundMs) {
        // The last reply may have been posted just as the flow came to its end: deliver
        // it while the flow's window is still there to show it.
        QCoreApplication::sendPostedEvents();
        return true;
    }
    qWarning("%s: not within %d ms (%lld ms)", what, kFlowBoundMs, static_cast<long long>(m_clock.elapsed()));
    return false;
}

// Lets the workers end and their replies land.
void FaultMatrixTest::settle()
{
    ServiceCall::waitForAll(std::chrono::milliseconds(kFlowBoundMs));
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

void FaultMatrixTest::switchOn(Fault fault)
{
    const QByteArray wanted = switches(fault);
    if (!wanted.isEmpty())
        QVERIFY(setServiceFaults(m_service, wanted));
    m_clock.start();
}

// A service slower than the client still carries out what it was asked, after the
// client gave up: a conference started that way runs on, so end it.
void FaultMatrixTest::endStrayConferences()
{
    QVERIFY(QTest::qWaitFor([this] { return runningConferenceCount() > 0; }, kSlowReplyMs + kFlowBoundMs));
    std::string text;
    int rows = 0;
    CCvService service = liveService();
    service.Getcurrentconferencelist(kDemo.account.c_str(), kDemo.password.c_str(), text, rows);
    for (const ConferenceRecord& record : ConferenceListDecoder::running(text)) {
        std::string result;
        service.ConferenceControl(kDemo.account.c_str(), kDemo.password.c_str(), record.conferenceId.c_str(),
            int(ConferenceCommand::End), "", result);
    }
    QVERIFY(QTest::qWaitFor([this] { return runningConferenceCount() == 0; }, 10000));
}

void FaultMatrixTest::signIn(Fault fault)
{
    // The options file holds an account saved before; a failed sign-in leaves it as it was.
    const QString optionsPath = m_folder.filePath(QStringLiteral("cvoptions.dat"));
    const QByteArray options = "[option]\r\ncurrent=0\r\ncount=1\r\n[user0]\r\nregphoneid=13900000000\r\n";
    QVERIFY(writeFile(optionsPath, options));
    SessionState session;
    EventRecorder mainWindow;
    SessionLoader loader(session, &mainWindow);
    LoginDialog dialog(session, nullptr, true, OptionsFile(optionsPath));
    dialog.setStartSessionLoads([&loader] { loader.StartSessionLoads(); });
    dialog.show();
    dialog.findChild<QComboBox*>(QStringLiteral("accountCombo"))->setEditText(QString::fromStdString(kDemo.account));
    dialog.findChild<QLineEdit*>(QStringLiteral("passwordEdit"))->setText(QString::fromStdString(kDemo.password));

    switchOn(fault);
    QTest::mouseClick(dialog.findChild<CButtonPNG*>(QStringLiteral("signInButton")), Qt::LeftButton);
    if (fault == Fault::None) {
        QVERIFY(within([&] { return mainWindow.count(Msg::RunningConferencesReady) == 1; }, "sign-in"));
        QCOMPARE(session.signInResult(), SessionState::kSignedIn);
        return;
    }
    QVERIFY(within([&] { return !dialog.attemptRunning(); }, "sign-in"));
    QVERIFY(session.signInResult() > 0);
    QCOMPARE(dialog.findChild<CButtonPNG*>(QStringLiteral("signInButton"))->text(), QStringLiteral("登    录"));
    QVERIFY(mainWindow.records.isEmpty());
    QCOMPARE(readAll(optionsPath), options);
}

void FaultMatrixTest::sessionLoads(Fault fault)
{
    auto session = signedInSession();
    // What the session held before: a failed load must leave it.
    session->setBalance(0, "88.00", "2099-01-01");
    ContactRecord kept;
    kept.addressno = 7;
    kept.addressname = "老朋友";
    kept.phone = "13700000007";
    session->addressBook().setContacts({ kept }, 1);
    EventRecorder mainWindow;
    SessionLoader loader(*session, &mainWindow);
    AddressBookLoader addressBook(*session, &mainWindow);
    loader.setAddressBookLoads([&addressBook] { addressBook.Synchronise(); });

    switchOn(fault);
    loader.StartSessionLoads();
    // Every loader reports, answered or not, so that the sign-in can complete.
    const QList<int> completions { Msg::RunningConferencesReady, Msg::BalanceReady, Msg::ContactsReady,
        Msg::ContactGroupsReady, Msg::ConferenceGroupsReady };
    QVERIFY(within(
        [&] {
            return std::all_of(
                completions.begin(), completions.end(), [&](int message) { return mainWindow.count(message) == 1; });
        },
        "session loads"));
    const AddressBook& book = session->addressBook();
    if (fault == Fault::None) {
        QVERIFY(book.contactCount() > 1);
        QVERIFY(session->balance() != "88.00");
        return;
    }
    QCOMPARE(session->balance(), std::string("88.00"));
    // The records stay; a reply that is not an answer reads as a list without rows.
    QCOMPARE(book.contacts().size(), std::size_t(1));
    QCOMPARE(book.contacts().front().phone, kept.phone);
    const bool unusableReply = fault == Fault::Malformed || fault == Fault::Http500;
    QCOMPARE(book.contactCount(), unusableReply ? 0 : 1);
}

void FaultMatrixTest::conferenceStart(Fault fault)
{
    auto session = signedInSession();
    InstantMeetingPage page(*session);
    page.resize(640, 600);
    page.show();
    page.ResetComposition();
    page.findChild<CEditBoxEx*>(QStringLiteral("nameEdit"))->setText(QStringLiteral("王芳"));
    page.findChild<CEditBoxEx*>(QStringLiteral("phoneEdit"))->setText(QStringLiteral("13911110001"));
    QTest::mouseClick(page.findChild<CButtonPNG*>(QStringLiteral("addButton")), Qt::LeftButton);
    auto* start = page.findChild<CButtonPNG*>(QStringLiteral("startButton"));
    const int runningBefore = runningConferenceCount();

    switchOn(fault);
    QTest::mouseClick(start, Qt::LeftButton);
    if (fault != Fault::None && !isMonitorFault(fault)) {
        QVERIFY(within([&] { return start->isEnabled(); }, "conference start"));
        QVERIFY(!page.isRunning());
        QCOMPARE(start->text(), QStringLiteral("开始会议"));
        // The composition is kept for another try.
        QVERIFY(page.roster().rowOf(RosterList::Waiting, "13911110001") >= 0);
        settle();
        QVERIFY(clearServiceFaults(m_service));
        if (fault == Fault::Slow)
            endStrayConferences();
        else
            QCOMPARE(runningConferenceCount(), runningBefore);
        return;
    }
    const auto hostJoined = [&] { return page.roster().rowOf(RosterList::Joined, kDemo.account) >= 0; };
    QVERIFY(within([&] { return page.isRunning(); }, "conference start"));
    if (fault == Fault::MonitorDrop) {
        // The live view says it is reconnecting, and resumes once the monitor behaves.
        auto* liveState = page.findChild<QWidget*>(QStringLiteral("liveState"));
        QVERIFY(within([&] { return liveState->isVisible(); }, "reconnecting shown"));
        QVERIFY(clearServiceFaults(m_service));
        QVERIFY(QTest::qWaitFor(hostJoined, kFlowBoundMs));
        QVERIFY(!liveState->isVisible());
    } else {
        QVERIFY(within(hostJoined, "members shown"));
    }
    QTest::mouseClick(start, Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return !page.isRunning(); }, kFlowBoundMs));
    QCOMPARE(start->text(), QStringLiteral("开始会议"));
}

void FaultMatrixTest::conferenceEnd(Fault fault)
{
    // A conference running at the service, opened in the page, the way the main
    // window opens one from its list.
    CCvService service = liveService();
    ConferenceRecord record = composedConference();
    const ConferenceReply created = CreateConferenceJob(record)(service, kDemo);
    QVERIFY2(created.succeeded(), qPrintable(created.message));
    record.conferenceId = created.conferenceId;
    record.state = ConferenceRecord::Running;

    auto session = signedInSession();
    InstantMeetingPage page(*session);
    page.resize(640, 600);
    page.show();
    page.LoadConference(&record);
    const auto hostJoined = [&] { return page.roster().rowOf(RosterList::Joined, kDemo.account) >= 0; };
    QVERIFY(QTest::qWaitFor(hostJoined, 10000));
    auto* button = page.findChild<CButtonPNG*>(QStringLiteral("startButton"));

    switchOn(fault);
    if (fault == Fault::MonitorDrop) {
        auto* liveState = page.findChild<QWidget*>(QStringLiteral("liveState"));
        QVERIFY(within([&] { return liveState->isVisible(); }, "reconnecting shown"));
    }
    QTest::mouseClick(button, Qt::LeftButton);
    if (fault == Fault::None || isMonitorFault(fault)) {
        if (fault == Fault::MonitorDrop) {
            // The end is carried out; the page hears of it once the monitor is back.
            QCOMPARE(button->text(), QStringLiteral("正在结束"));
            QVERIFY(clearServiceFaults(m_service));
        }
        QVERIFY(within([&] { return !page.isRunning(); }, "conference ended"));
        QCOMPARE(button->text(), QStringLiteral("开始会议"));
        return;
    }
    // Not ended, or not known to be: the conference goes on and can be ended again.
    QVERIFY(within([&] { return button->isEnabled(); }, "end refused"));
    QCOMPARE(button->text(), QStringLiteral("会议中"));
    settle();
    if (fault == Fault::Slow) {
        // The late service ends it after all, and the monitor says so.
        QVERIFY(QTest::qWaitFor([&] { return !page.isRunning(); }, kSlowReplyMs + kFlowBoundMs));
        return;
    }
    QVERIFY(page.isRunning());
    QVERIFY(clearServiceFaults(m_service));
    QCOMPARE(runningConferenceCount(), 1);
    std::string result;
    service.ConferenceControl(kDemo.account.c_str(), kDemo.password.c_str(), record.conferenceId.c_str(),
        int(ConferenceCommand::End), "", result);
    QVERIFY(QTest::qWaitFor([&] { return !page.isRunning(); }, kFlowBoundMs));
}

void FaultMatrixTest::booking(Fault fault)
{
    auto session = signedInSession();
    ScheduledMeetingPage page(*session);
    page.resize(640, 600);
    page.show();
    page.LoadBooking(nullptr);
    page.findChild<CDateTimeCtrlEx*>(QStringLiteral("timePicker"))
        ->setDateTime(QDateTime::currentDateTime().addDays(2));
    page.findChild<CEditBoxEx*>(QStringLiteral("nameEdit"))->setText(QStringLiteral("王芳"));
    page.findChild<CEditBoxEx*>(QStringLiteral("phoneEdit"))->setText(QStringLiteral("13911110001"));
    QTest::mouseClick(page.findChild<CButtonPNG*>(QStringLiteral("addButton")), Qt::LeftButton);
    QSignalSpy booked(&page, &ScheduledMeetingPage::bookedConferencesChanged);
    const std::string before = bookedConferences();
    auto* book = page.findChild<CButtonPNG*>(QStringLiteral("bookButton"));

    switchOn(fault);
    QTest::mouseClick(book, Qt::LeftButton);
    QVERIFY(within([&] { return !MessageBoxDialog::answeredTexts().isEmpty(); }, "booking answered"));
    if (fault == Fault::None) {
        QCOMPARE(booked.count(), 1);
        QVERIFY(page.record().conferenceId.size() >= conferenceReply::kMinimumIdLength);
        return;
    }
    // Still the form of a new booking, ready to be sent again.
    QCOMPARE(booked.count(), 0);
    QVERIFY(page.record().conferenceId.empty());
    QVERIFY(book->isEnabled());
    QCOMPARE(page.editingFlag(), 0);
    QVERIFY(clearServiceFaults(m_service));
    if (fault != Fault::Slow)
        QCOMPARE(bookedConferences(), before);
}

void FaultMatrixTest::contactChange(Fault fault)
{
    auto session = signedInSession();
    const std::string phone = "136555" + std::to_string(60000 + ++m_contactSerial);
    const std::string before = storedContacts();
    int synchronised = 0;
    ContactDialog dialog(
        *session, [&synchronised] { ++synchronised; }, std::nullopt);
    dialog.show();
    dialog.findChild<CEditBoxEx*>(QStringLiteral("nameEdit"))->insert(QStringLiteral("故障联系人"));
    dialog.findChild<CEditBoxEx*>(QStringLiteral("phoneEdit"))->insert(QString::fromStdString(phone));

    switchOn(fault);
    QTest::mouseClick(dialog.findChild<CButtonPNG*>(QStringLiteral("okButton")), Qt::LeftButton);
    QVERIFY(within([&] { return !dialog.isVisible(); }, "contact saved or refused"));
    m_service.pointClientHere();
    QVERIFY(clearServiceFaults(m_service));
    if (fault == Fault::None) {
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(synchronised, 1);
        QVERIFY(serviceBook::contactByPhone(phone));
        return;
    }
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(synchronised, 0);
    // The slow service adds it after the client gave up; every other fault stored nothing.
    if (fault != Fault::Slow)
        QCOMPARE(storedContacts(), before);
}

void FaultMatrixTest::contactImport(Fault fault)
{
    auto session = signedInSession();
    const QString file = m_folder.filePath(QStringLiteral("import.txt"));
    const int serial = 70000 + 2 * ++m_contactSerial;
    const QByteArray lines = QStringLiteral("phone,addressname\r\n136555%1,导入甲\r\n136555%2,导入乙\r\n")
                                 .arg(serial)
                                 .arg(serial + 1)
                                 .toUtf8();
    QVERIFY(writeFile(file, lines));
    const std::string before = storedContacts();
    AddressBookWindow window(*session, nullptr);
    int synchronised = 0;
    window.setSynchronise([&synchronised] { ++synchronised; });
    window.show();
    whenModal<ImportFileDialog>([file](ImportFileDialog* dialog) {
        dialog->pathEdit()->setText(file);
        dialog->accept();
    });

    switchOn(fault);
    QTest::mouseClick(window.findChild<CButtonPNG*>(QStringLiteral("importButton")), Qt::LeftButton);
    QVERIFY(within([&] { return synchronised == 1; }, "import"));
    QCOMPARE(readAll(file), lines);
    if (fault == Fault::None || fault == Fault::Slow)
        return;
    QVERIFY(clearServiceFaults(m_service));
    QCOMPARE(storedContacts(), before);
}

void FaultMatrixTest::smsSend(Fault fault)
{
    auto session = signedInSession();
    SmsPage page(*session);
    page.resize(640, 600);
    page.show();
    const QString content = QStringLiteral("周会改到十点");
    const QString recipients = QStringLiteral("13912340009");
    page.contentEdit()->setPlainText(content);
    page.recipientsEdit()->setPlainText(recipients);

    switchOn(fault);
    QTest::mouseClick(page.findChild<CButtonPNG*>(QStringLiteral("sendButton")), Qt::LeftButton);
    QVERIFY(within([] { return ServiceCall::running() == 0; }, "sms send"));
    // The edits keep what was typed, for another try.
    QCOMPARE(page.contentEdit()->toPlainText(), content);
    QCOMPARE(page.recipientsEdit()->toPlainText(), recipients);
}

void FaultMatrixTest::billQuery(Fault fault)
{
    auto session = signedInSession();
    BillQueryWindow window(*session, nullptr);
    window.show();
    auto* list = window.findChild<QAbstractItemView*>(QStringLiteral("billList"));

    switchOn(fault);
    QTest::mouseClick(window.findChild<CButtonPNG*>(QStringLiteral("queryButton")), Qt::LeftButton);
    QVERIFY(within([] { return ServiceCall::running() == 0; }, "bill query"));
    settle();
    QCOMPARE(list->model()->rowCount() > 0, fault == Fault::None);
}

void FaultMatrixTest::versionCheck(Fault fault)
{
    auto session = signedInSession();
    MainWindow window(*session);
    QStringList started;
    UpdaterLauncher::setStartFunction([&started](const QString&, const QStringList& arguments, const QString&) {
        started += arguments;
        return true;
    });
    QSignalSpy ended(&window, &QDialog::finished);

    switchOn(fault);
    window.runCommand(MainWindow::CheckVersion);
    QVERIFY(within([] { return ServiceCall::running() == 0; }, "version check"));
    settle();
    UpdaterLauncher::setStartFunction({});
    // Declined or failed: the program goes on as it is.
    QVERIFY(started.isEmpty());
    QCOMPARE(ended.count(), 0);
}

void FaultMatrixTest::updater(Fault fault)
{
    // The program folder as installed: the current client and its notes.
    QTemporaryDir program;
    QVERIFY(writeFile(program.filePath(QStringLiteral("corvana")), "old client"));
    QVERIFY(writeFile(program.filePath(QStringLiteral("corvana-update.txt")), "old notes"));
    QString list = m_downloadList;
    if (fault == Fault::Down)
        list.replace(QStringLiteral(":") + QString::fromLatin1(m_service.httpPort()) + QStringLiteral("/"),
            QStringLiteral(":") + QString::fromLatin1(qgetenv("CORVANA_WEB_PORT")) + QStringLiteral("/"));

    QStringList steps;
    FinishActions actions;
    actions.notify
        = [](QWidget*, const QString& text, const QString& title) { MessageBoxDialog::run(nullptr, text, title); };
    actions.startClient = [&steps](const QString& programPath, const QString&) {
        steps << QStringLiteral("start ") + QFileInfo(programPath).fileName();
        return true;
    };
    actions.end = [&steps] { steps << QStringLiteral("end"); };
    UpdaterDialog dialog(list.toStdString(), { program.path().toStdString(), kUpdaterTimeoutMs }, actions);
    dialog.show();

    switchOn(fault);
    dialog.start();
    QVERIFY(within([&] { return steps.size() == 2; }, "update finished"));
    // However it went, the client is started again and the updater ends.
    QCOMPARE(steps, (QStringList { QStringLiteral("start corvana"), QStringLiteral("end") }));
    const QStringList left = QDir(program.path()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(left, (QStringList { QStringLiteral("corvana"), QStringLiteral("corvana-update.txt") }));
    if (fault == Fault::None) {
        QCOMPARE(readAll(program.filePath(QStringLiteral("corvana"))), QByteArray("new client"));
        return;
    }
    // Nothing arrived whole, so nothing was replaced.
    QCOMPARE(readAll(program.filePath(QStringLiteral("corvana"))), QByteArray("old client"));
    QCOMPARE(readAll(program.filePath(QStringLiteral("corvana-update.txt"))), QByteArray("old notes"));
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    FaultMatrixTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FaultMatrixTest.moc"
