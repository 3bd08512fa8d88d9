// The instant-meeting page against a cvservice child process with fast call
// simulation: composing with its refusals, a conference started, watched, controlled
// and ended, and a group taken from the address book.

#include "conference/InstantMeetingPage.h"
#include "conference/JoinedListModel.h"
#include "conference/WaitingListModel.h"

#include "core/addressbook/AddressBook.h"
#include "core/addressbook/AddressBookLoader.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "core/session/SessionState.h"
#include "skin/CButtonPNG.h"
#include "skin/CEditBoxEx.h"
#include "widgets/ImportFileDialog.h"
#include "widgets/MessageBoxDialog.h"
#include "widgets/OperationListCtrl.h"

#include "EventRecorder.h"
#include "MonitorFaults.h"
#include "ServiceBook.h"
#include "ServiceProcess.h"
#include "WhenModal.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using serviceBook::kDemo;

class InstantMeetingPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void refusalsKeepTheComposition();
    void aConferenceIsStartedWatchedControlledAndEnded();
    void theMemberTalkingIsMarkedUntilNobodyMaySpeak();
    void membersAreHungUpCalledAgainAndRemovedFromTheLists();
    void aDroppedMonitorConnectionIsSaidAndResumed();
    void aGroupOfTheAddressBookBecomesTheParticipants();
    void participantsAreImportedFromSpreadsheetsOnly();

private:
    CButtonPNG* button(const char* name) const { return m_page->findChild<CButtonPNG*>(QLatin1String(name)); }
    CEditBoxEx* edit(const char* name) const { return m_page->findChild<CEditBoxEx*>(QLatin1String(name)); }
    void typeParticipant(const QString& name, const QString& phone) const
    {
        edit("nameEdit")->setText(name);
        edit("phoneEdit")->setText(phone);
        QTest::mouseClick(button("addButton"), Qt::LeftButton);
    }
    int joinedRowOf(const std::string& phone) const { return m_page->roster().rowOf(RosterList::Joined, phone); }
    QString joinedStatus(const std::string& phone) const
    {
        const int row = joinedRowOf(phone);
        return row < 0 ? QString()
                       : m_page->joinedList()->model()->index(row, JoinedListModel::StatusColumn).data().toString();
    }

    ServiceProcess m_service;
    std::unique_ptr<SessionState> m_session;
    std::unique_ptr<InstantMeetingPage> m_page;
};

void InstantMeetingPageTest::initTestCase()
{
    QVERIFY2(m_service.start(QStringLiteral(CVSERVICE_PATH)), "cvservice did not start");
}

void InstantMeetingPageTest::init()
{
    m_service.pointClientHere();
    m_session = std::make_unique<SessionState>();
    m_session->setCredentials(kDemo.account, kDemo.password);
    m_session->setSignInResult(SessionState::kSignedIn);
    m_page = std::make_unique<InstantMeetingPage>(*m_session);
    m_page->resize(640, 600);
    m_page->show();
    m_page->ResetComposition();
    MessageBoxDialog::clearNextAnswers();
    MessageBoxDialog::clearAnsweredTexts();
}

void InstantMeetingPageTest::cleanup()
{
    m_page.reset();
    QVERIFY(ServiceCall::waitForAll(std::chrono::seconds(20)));
    m_session.reset();
    QCOMPARE(MessageBoxDialog::pendingAnswers(), 0);
}

void InstantMeetingPageTest::refusalsKeepTheComposition()
{
    QCOMPARE(edit("hostEdit")->text(), QString::fromStdString(kDemo.account));
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    typeParticipant(QStringLiteral("王芳"), QStringLiteral("139111a"));
    QCOMPARE(edit("phoneEdit")->text(), QStringLiteral("139111a"));
    QCOMPARE(m_page->roster().rowCount(RosterList::Waiting), 0);

    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    QTest::mouseClick(button("startButton"), Qt::LeftButton);
    typeParticipant(QStringLiteral("王芳"), QStringLiteral("139-1111"));
    QVERIFY(edit("phoneEdit")->text().isEmpty());
    edit("hostEdit")->setText(QStringLiteral("123456"));
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    QTest::mouseClick(button("startButton"), Qt::LeftButton);

    QCOMPARE(MessageBoxDialog::answeredTexts(),
        (QStringList { QStringLiteral("电话号码格式有误"), QStringLiteral("至少需要一名参会人员！"),
            QStringLiteral("主持号码有误！") }));
    QVERIFY(!m_page->isRunning());
    QCOMPARE(button("startButton")->text(), QStringLiteral("开始会议"));
}

void InstantMeetingPageTest::aConferenceIsStartedWatchedControlledAndEnded()
{
    QSignalSpy reloads(m_page.get(), &InstantMeetingPage::runningConferencesChanged);
    edit("topicEdit")->setText(QStringLiteral("周会"));
    typeParticipant(QStringLiteral("王芳"), QStringLiteral("13911110001"));
    typeParticipant(QStringLiteral("李娜"), QStringLiteral("13911110002"));
    QTest::mouseClick(button("startButton"), Qt::LeftButton);

    QTRY_VERIFY(m_page->isRunning());
    QCOMPARE(m_page->record().conferenceId.size() >= 10, true);
    QCOMPARE(button("startButton")->text(), QStringLiteral("会议中"));
    QVERIFY(button("muteAllButton")->isVisible());
    QVERIFY(!button("startButton")->isHidden());
    // The host's own line always answers: it shows in the joined list.
    QTRY_VERIFY_WITH_TIMEOUT(joinedRowOf(kDemo.account) >= 0, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(joinedStatus(kDemo.account), QStringLiteral("发言"), 10000);

    // The first word of a speaking member makes it a listener, and back; the next
    // member list shows the new state.
    postAppEvent(m_page.get(), Msg::OperationWordClicked, joinedRowOf(kDemo.account),
        OperationListCtrl::kListNumberFactor * int(RosterList::Joined) + 0);
    QTRY_COMPARE_WITH_TIMEOUT(joinedStatus(kDemo.account), QStringLiteral("旁听"), 10000);
    postAppEvent(m_page.get(), Msg::OperationWordClicked, joinedRowOf(kDemo.account),
        OperationListCtrl::kListNumberFactor * int(RosterList::Joined) + 0);
    QTRY_COMPARE_WITH_TIMEOUT(joinedStatus(kDemo.account), QStringLiteral("发言"), 10000);

    QTest::mouseClick(button("recordingButton"), Qt::LeftButton);
    QCOMPARE(button("recordingButton")->text(), QStringLiteral("暂停录音"));
    QTest::mouseClick(button("recordingButton"), Qt::LeftButton);
    QCOMPARE(button("recordingButton")->text(), QStringLiteral("开始录音"));
    QTest::mouseClick(button("recallAllButton"), Qt::LeftButton);
    QCOMPARE(button("recallAllButton")->text(), QStringLiteral("追呼所有"));
    QVERIFY(!button("recallAllButton")->isChecked());
    // The service took all three: no refusal is shown.
    QVERIFY(ServiceCall::waitForAll(std::chrono::seconds(10)));
    QCoreApplication::processEvents();

    QTest::mouseClick(button("muteAllButton"), Qt::LeftButton);
    QCOMPARE(button("muteAllButton")->text(), QStringLiteral("全部发言"));
    QCOMPARE(m_page->record().muteAll, 1);

    QTest::mouseClick(button("startButton"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!m_page->isRunning(), 10000);
    QCOMPARE(button("startButton")->text(), QStringLiteral("开始会议"));
    QCOMPARE(m_page->roster().rowCount(RosterList::Joined), 0);
    // Everyone but the host line is back to compose the next conference.
    QCOMPARE(m_page->roster().rowOf(RosterList::Waiting, kDemo.account), -1);
    QVERIFY(m_page->roster().rowOf(RosterList::Waiting, "13911110001") >= 0);
    QCOMPARE(m_page->monitor().state(), MonitorSocket::State::Closed);
    // Mute all was on when it ended: the option shows it.
    QVERIFY(m_page->findChild<QAbstractButton*>(QStringLiteral("muteAllBox"))->isChecked());
    QVERIFY(reloads.count() >= 2);
    QVERIFY(MessageBoxDialog::answeredTexts().isEmpty());
}

// The service names one of the speakers as the active talker every few tens of
// milliseconds; the joined list marks that member. Once everyone is muted nobody
// talks, and the mark goes when its hold ends.
void InstantMeetingPageTest::theMemberTalkingIsMarkedUntilNobodyMaySpeak()
{
    const auto markedRows = [this] {
        QAbstractItemModel* joined = m_page->joinedList()->model();
        int marked = 0;
        for (int row = 0; row < joined->rowCount(); ++row) {
            const QModelIndex name = joined->index(row, JoinedListModel::NameColumn);
            marked += name.data(JoinedListModel::SpeakingRole).toBool() ? 1 : 0;
        }
        return marked;
    };
    typeParticipant(QStringLiteral("王芳"), QStringLiteral("13911110001"));
    QTest::mouseClick(button("startButton"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(joinedRowOf(kDemo.account) >= 0, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(markedRows() >= 1, 10000);

    QTest::mouseClick(button("muteAllButton"), Qt::LeftButton);
    postAppEvent(m_page.get(), Msg::OperationWordClicked, joinedRowOf(kDemo.account),
        OperationListCtrl::kListNumberFactor * int(RosterList::Joined) + 0);
    QTRY_COMPARE_WITH_TIMEOUT(joinedStatus(kDemo.account), QStringLiteral("旁听"), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(markedRows(), 0, 10000);

    QTest::mouseClick(button("startButton"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!m_page->isRunning(), 10000);
}

// The host's own line always answers, so it is the member the words act on.
void InstantMeetingPageTest::membersAreHungUpCalledAgainAndRemovedFromTheLists()
{
    const std::string host = kDemo.account;
    const auto clickWord = [this](RosterList list, int row, int word) {
        postAppEvent(
            m_page.get(), Msg::OperationWordClicked, row, OperationListCtrl::kListNumberFactor * int(list) + word);
        QCoreApplication::processEvents();
    };
    const auto waitingOperation = [this, host] {
        const int row = m_page->roster().rowOf(RosterList::Waiting, host);
        return row < 0
            ? QString()
            : m_page->waitingList()->model()->index(row, WaitingListModel::OperationColumn).data().toString();
    };
    typeParticipant(QStringLiteral("王芳"), QStringLiteral("13911110001"));
    QTest::mouseClick(button("startButton"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(joinedRowOf(host) >= 0, 10000);

    clickWord(RosterList::Joined, joinedRowOf(host), 1); // "挂断"
    QTRY_COMPARE_WITH_TIMEOUT(waitingOperation(), QStringLiteral("删除  呼叫"), 10000);
    QCOMPARE(joinedRowOf(host), -1);

    // "呼叫" turns into "挂断" at once, before the service answers.
    clickWord(RosterList::Waiting, m_page->roster().rowOf(RosterList::Waiting, host), 1);
    QCOMPARE(waitingOperation(), QStringLiteral("删除  挂断"));
    QTRY_VERIFY_WITH_TIMEOUT(joinedRowOf(host) >= 0, 10000);

    clickWord(RosterList::Joined, joinedRowOf(host), 1);
    QTRY_VERIFY_WITH_TIMEOUT(m_page->roster().rowOf(RosterList::Waiting, host) >= 0, 10000);
    clickWord(RosterList::Waiting, m_page->roster().rowOf(RosterList::Waiting, host), 0); // "删除"
    QCOMPARE(m_page->roster().rowOf(RosterList::Waiting, host), -1);
    // Removed from the conference: later member lists do not bring the line back.
    QTest::qWait(300);
    QCOMPARE(m_page->roster().rowOf(RosterList::Waiting, host), -1);
    QCOMPARE(joinedRowOf(host), -1);

    QTest::mouseClick(button("startButton"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!m_page->isRunning(), 10000);
}

void InstantMeetingPageTest::aDroppedMonitorConnectionIsSaidAndResumed()
{
    auto* liveState = m_page->findChild<QWidget*>(QStringLiteral("liveState"));
    typeParticipant(QStringLiteral("王芳"), QStringLiteral("13911110001"));
    QTest::mouseClick(button("startButton"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(joinedRowOf(kDemo.account) >= 0, 10000);
    QVERIFY(!liveState->isVisible());

    QVERIFY(setMonitorFault(m_service, "drop", true));
    QTRY_VERIFY_WITH_TIMEOUT(liveState->isVisible(), 10000);
    QCOMPARE(m_page->monitor().state(), MonitorSocket::State::Reconnecting);
    QVERIFY(m_page->isRunning());
    QVERIFY(setMonitorFault(m_service, "drop", false));
    QTRY_COMPARE_WITH_TIMEOUT(m_page->monitor().state(), MonitorSocket::State::Monitoring, 15000);
    QVERIFY(!liveState->isVisible());
    QVERIFY(joinedRowOf(kDemo.account) >= 0);

    QTest::mouseClick(button("startButton"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!m_page->isRunning(), 10000);
}

void InstantMeetingPageTest::aGroupOfTheAddressBookBecomesTheParticipants()
{
    EventRecorder mainWindow;
    AddressBookLoader loader(*m_session, &mainWindow);
    loader.Synchronise();
    QTRY_VERIFY_WITH_TIMEOUT(!loader.calls().anyBusy(), 20000);
    const AddressBook& book = m_session->addressBook();
    QVERIFY(book.groupCount(PanelMode::ConferenceGroups) > 0);
    const GroupEntry& group = book.groupSlot(PanelMode::ConferenceGroups, 0);

    m_page->AddFromAddressBook(int(PanelMode::ConferenceGroups), -1, 0);
    QCOMPARE(m_page->roster().rowCount(RosterList::Waiting), group.memberCount);
    QCOMPARE(m_page->roster().row(RosterList::Waiting, 0).phone, group.members.front().phone);
    // The same group again adds no second row.
    m_page->AddFromAddressBook(int(PanelMode::ConferenceGroups), -1, 0);
    QCOMPARE(m_page->roster().rowCount(RosterList::Waiting), group.memberCount);
}

void InstantMeetingPageTest::participantsAreImportedFromSpreadsheetsOnly()
{
    const auto importFile = [this](const QString& path) {
        whenModal<ImportFileDialog>([path](ImportFileDialog* dialog) {
            dialog->pathEdit()->setText(path);
            dialog->accept();
        });
        QTest::mouseClick(button("importButton"), Qt::LeftButton);
    };
    // A workbook a spreadsheet program made; its header and short numbers are skipped.
    importFile(QStringLiteral(XLS_FIXTURES_DIR "/contacts.xlsx"));
    QTRY_COMPARE(m_page->roster().rowCount(RosterList::Waiting), 3);
    QCOMPARE(m_page->roster().row(RosterList::Waiting, 0).phone, std::string("13800138000"));
    QCOMPARE(m_page->roster().row(RosterList::Waiting, 2).phone, std::string("021-12345678"));

    QTemporaryDir folder;
    const QString text = folder.filePath(QStringLiteral("people.txt"));
    QFile file(text);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("13911110009,text\n");
    file.close();
    importFile(text);
    const QString broken = folder.filePath(QStringLiteral("people.xls"));
    QVERIFY(QFile::copy(text, broken));
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    importFile(broken);
    QTRY_COMPARE(MessageBoxDialog::answeredTexts(),
        QStringList { QStringLiteral("文件导入失败，请检查文件是否存在或已被其它程序打开。") });
    QCOMPARE(m_page->roster().rowCount(RosterList::Waiting), 3);
}

QTEST_MAIN(InstantMeetingPageTest)
#include "InstantMeetingPageTest.moc"
