// The meeting-list page in the conference workspace against a cvservice child
// process: the demo account's past conferences listed and searched, and one of them
// started again at once or booked again from a row that a search moved up.

#include "conference/MeetingListPage.h"
#include "conference/ConferenceWorkspace.h"
#include "conference/InstantMeetingPage.h"
#include "conference/PastMeetingsModel.h"

#include "core/conference/ConferenceListDecoder.h"
#include "core/conference/PastMeetingsJob.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "core/session/SessionState.h"
#include "skin/CButtonPNG.h"
#include "skin/CEditBoxBmp.h"
#include "skin/CEditBoxEx.h"
#include "widgets/MessageBoxDialog.h"
#include "widgets/OperationListCtrl.h"

#include "ServiceBook.h"
#include "ServiceProcess.h"

#include <QTest>

#include <memory>

using serviceBook::kDemo;
using Page = ConferenceWorkspace::Page;

class MeetingListPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void theTabListsThePastConferencesOfTheAccount();
    void aSearchKeepsTheConferencesThatHoldItAndTheTabEmptiesIt();
    void instantStartsAgainTheConferenceTheRowShows();
    void bookingAgainOpensTheConferenceTheRowShowsWithoutItsId();
    void nothingIsLoadedWithoutSignIn();
    void aFailedLoadKeepsTheListAnEmptyOneEmptiesIt();

private:
    MeetingListPage* page() const { return m_workspace->meetingListPage(); }
    PastMeetingsModel* model() const { return page()->model(); }
    CEditBoxBmp* searchBox() const { return page()->findChild<CEditBoxBmp*>(QStringLiteral("searchBox")); }
    void openTab() const
    {
        QTest::mouseClick(m_workspace->tab(Page::MeetingList), Qt::LeftButton);
        QTRY_VERIFY(model()->rowCount() > 0);
    }
    // A search that hides the first conference of the table: the topic of a later
    // one with another topic. Returns the table index of the first row it shows.
    int searchPastTheFirstRows() const;
    // Clicks word (0 "即时", 1 "预约") of the row's "重新发起" cell with the mouse.
    void clickWord(int row, int word) const;

    ServiceProcess m_service;
    std::unique_ptr<SessionState> m_session;
    std::unique_ptr<QWidget> m_owner;
    std::unique_ptr<ConferenceWorkspace> m_workspace;
};

void MeetingListPageTest::initTestCase()
{
    QVERIFY2(m_service.start(QStringLiteral(CVSERVICE_PATH)), "cvservice did not start");
}

void MeetingListPageTest::init()
{
    m_service.pointClientHere();
    m_session = std::make_unique<SessionState>();
    m_session->setCredentials(kDemo.account, kDemo.password);
    m_session->setSignInResult(SessionState::kSignedIn);
    m_owner = std::make_unique<QWidget>();
    m_workspace = std::make_unique<ConferenceWorkspace>(*m_session, m_owner.get());
    m_workspace->show();
    MessageBoxDialog::clearNextAnswers();
    MessageBoxDialog::clearAnsweredTexts();
}

void MeetingListPageTest::cleanup()
{
    m_workspace.reset();
    m_owner.reset();
    QVERIFY(ServiceCall::waitForAll(std::chrono::seconds(20)));
    m_session.reset();
    QCOMPARE(MessageBoxDialog::pendingAnswers(), 0);
}

int MeetingListPageTest::searchPastTheFirstRows() const
{
    const PastMeetingTable& table = page()->table();
    for (int i = table.count() - 1; i > 0; --i) {
        const std::string& topic = table.at(i)->topic;
        if (topic != table.at(0)->topic && table.at(0)->topic.find(topic) == std::string::npos) {
            searchBox()->setText(QString::fromStdString(topic));
            return table.shownIndexes(topic).front();
        }
    }
    return -1;
}

void MeetingListPageTest::clickWord(int row, int word) const
{
    OperationListCtrl* list = page()->list();
    const QRect cell = list->visualRect(model()->index(row, PastMeetingsModel::OperationColumn));
    int first = -1;
    int last = -1;
    for (int x = cell.left(); x <= cell.right(); ++x) {
        if (list->operationWordAt(row, x) == word) {
            if (first < 0)
                first = x;
            last = x;
        }
    }
    QVERIFY2(first >= 0, "the word is not in sight");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint((first + last) / 2, cell.center().y()));
}

void MeetingListPageTest::theTabListsThePastConferencesOfTheAccount()
{
    openTab();
    QCOMPARE(m_workspace->page(), Page::MeetingList);
    QVERIFY(page()->isVisible());

    std::string text;
    int rows = 0;
    QCOMPARE(CCvService().GetPastConference(kDemo.account.c_str(), kDemo.password.c_str(), text, rows), 0);
    const std::vector<ConferenceRecord> expected = ConferenceListDecoder::past(text);
    QCOMPARE(model()->rowCount(), int(expected.size()));
    QCOMPARE(page()->table().records(), expected);
    for (int row = 0; row < model()->rowCount(); ++row) {
        const ConferenceRecord& record = expected[std::size_t(row)];
        QVERIFY(record.conferenceId.empty());
        QCOMPARE(record.state, int(ConferenceRecord::Past));
        QCOMPARE(model()->index(row, PastMeetingsModel::TopicColumn).data().toString(),
            QString::fromStdString(record.topic));
        QCOMPARE(model()->index(row, PastMeetingsModel::HostColumn).data().toString(),
            QString::fromStdString(record.hostNumber));
        const QString time = model()->index(row, PastMeetingsModel::TimeColumn).data().toString();
        QCOMPARE(time, QString::fromStdString(record.meetingTime).replace(QLatin1Char('T'), QLatin1Char(' ')).left(19));
        QCOMPARE(
            model()->index(row, PastMeetingsModel::OperationColumn).data().toString(), QStringLiteral("即时  预约"));
    }
    QCOMPARE(page()->list()->columnTitle(PastMeetingsModel::OperationColumn), QStringLiteral("重新发起"));
    QCOMPARE(page()->list()->columnWidth(PastMeetingsModel::IdColumn), 0);
}

void MeetingListPageTest::aSearchKeepsTheConferencesThatHoldItAndTheTabEmptiesIt()
{
    openTab();
    const int all = model()->rowCount();
    const ConferenceRecord first = *page()->table().at(0);
    // A participant's phone of the first conference finds it, and only the ones
    // that had that participant too.
    const std::string phone = first.phones.substr(0, first.phones.find(','));
    searchBox()->setText(QString::fromStdString(phone));
    QVERIFY(model()->rowCount() >= 1);
    QVERIFY(model()->rowCount() < all);
    QCOMPARE(model()->recordIndex(0), 0);
    for (int row = 0; row < model()->rowCount(); ++row)
        QVERIFY(page()->table().at(model()->recordIndex(row))->phones.find(phone) != std::string::npos);

    searchBox()->setText(QStringLiteral("没有这样的会议"));
    QCOMPARE(model()->rowCount(), 0);

    QTest::mouseClick(m_workspace->tab(Page::Instant), Qt::LeftButton);
    openTab();
    QVERIFY(searchBox()->text().isEmpty());
    QCOMPARE(model()->rowCount(), all);
}

void MeetingListPageTest::instantStartsAgainTheConferenceTheRowShows()
{
    openTab();
    const int index = searchPastTheFirstRows();
    QVERIFY(index > 0);
    QCOMPARE(model()->recordIndex(0), index);
    const ConferenceRecord chosen = *page()->table().at(index);

    clickWord(0, 0);
    QTRY_COMPARE(m_workspace->page(), Page::Instant);
    InstantMeetingPage* instant = m_workspace->instantPage();
    QVERIFY(instant->isVisible());
    QVERIFY(!instant->isRunning());
    QCOMPARE(
        instant->findChild<CEditBoxEx*>(QStringLiteral("hostEdit"))->text(), QString::fromStdString(chosen.hostNumber));
    const QStringList phones = QString::fromStdString(chosen.phones).split(QLatin1Char(','));
    QCOMPARE(instant->roster().rowCount(RosterList::Waiting), int(phones.size()));
    for (const QString& phone : phones)
        QVERIFY(instant->roster().rowOf(RosterList::Waiting, phone.toStdString()) >= 0);
    QCOMPARE(instant->record().autoRecall, chosen.autoRecall);
    QVERIFY(instant->record().conferenceId.empty());

    // An index outside the table is no conference: nothing moves.
    QTest::mouseClick(m_workspace->tab(Page::MeetingList), Qt::LeftButton);
    QTRY_VERIFY(model()->rowCount() > 0);
    for (int outside : { -1, page()->table().count() }) {
        postAppEvent(m_workspace.get(), Msg::RestartAsInstant, 0, outside);
        postAppEvent(m_workspace.get(), Msg::BookAgain, 0, outside);
    }
    QCoreApplication::processEvents();
    QCOMPARE(m_workspace->page(), Page::MeetingList);
}

void MeetingListPageTest::bookingAgainOpensTheConferenceTheRowShowsWithoutItsId()
{
    openTab();
    const int index = searchPastTheFirstRows();
    QVERIFY(index > 0);
    ConferenceRecord expected = *page()->table().at(index);
    expected.conferenceId.clear();

    clickWord(0, 1);
    QTRY_COMPARE(m_workspace->page(), Page::Booking);
    QVERIFY(m_workspace->openRecord().has_value());
    QCOMPARE(*m_workspace->openRecord(), expected);
    QVERIFY(*m_workspace->openRecord() != *page()->table().at(0));
}

void MeetingListPageTest::nothingIsLoadedWithoutSignIn()
{
    m_session->setSignInResult(SessionState::kNotSignedIn);
    QTest::mouseClick(m_workspace->tab(Page::MeetingList), Qt::LeftButton);
    QCOMPARE(m_workspace->page(), Page::MeetingList);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(ServiceCall::waitForAll(std::chrono::seconds(5)));
    QCoreApplication::processEvents();
    QCOMPARE(model()->rowCount(), 0);
}

void MeetingListPageTest::aFailedLoadKeepsTheListAnEmptyOneEmptiesIt()
{
    openTab();
    const int all = model()->rowCount();
    PastMeetingsReply failed;
    failed.status = -1;
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    QCoreApplication::postEvent(page(), new AppEvent(Msg::MeetingListLoaded, 0, 0, failed));
    QTRY_COMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("网络连接已断开,请稍后重试。") });
    QCOMPARE(model()->rowCount(), all);
    QCOMPARE(page()->table().count(), all);

    PastMeetingsReply none;
    none.status = 0;
    QCoreApplication::postEvent(page(), new AppEvent(Msg::MeetingListLoaded, 0, 0, none));
    QTRY_COMPARE(model()->rowCount(), 0);
    // Nothing left to start again.
    postAppEvent(m_workspace.get(), Msg::RestartAsInstant, 0, 0);
    QCoreApplication::processEvents();
    QCOMPARE(m_workspace->page(), Page::MeetingList);
    QCOMPARE(MessageBoxDialog::answeredTexts().size(), 1);
}

QTEST_MAIN(MeetingListPageTest)
#include "MeetingListPageTest.moc"
