// The bill window against a cvservice child process with the demo account: both
// kinds of charges over the demo months and over a single day, the search box over
// the rows as sent, the totals and the chart following the list, and the export
// read back by programs that are not ours.

#include "account/BillQueryWindow.h"
#include "account/ChargeTableModel.h"
#include "account/DailyAmountChart.h"

#include "core/account/AccountListReply.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "core/session/SessionState.h"
#include "skin/CButtonPNG.h"
#include "skin/CDateTimeCtrlEx.h"
#include "skin/CEditBoxBmp.h"
#include "skin/CListCtrlEx.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBoxDialog.h"

#include "ForeignReader.h"
#include "ServiceBook.h"
#include "ServiceProcess.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using serviceBook::kDemo;

namespace {

// The demo account's past conferences: days ago, member-minutes charged (minutes
// times members and host), hour and minute of the start. Each member-minute costs 15
// hundredths.
struct DemoCharge {
    int daysAgo;
    int minutes;
};
constexpr DemoCharge kDemoCharges[] = { { 2, 210 }, { 5, 200 }, { 9, 168 }, { 12, 72 }, { 16, 246 }, { 20, 248 },
    { 23, 150 }, { 28, 450 }, { 33, 66 }, { 40, 225 }, { 47, 540 }, { 55, 45 } };
constexpr int kRate = 15;
constexpr int kDemoMessages = 8; // 10 hundredths each
constexpr int kMessagesThreeDaysAgo = 3;

QDate daysAgo(int days)
{
    return QDate::currentDate().addDays(-days);
}

} // namespace

class BillQueryWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void conferenceChargesOfEveryDemoMonthAddUpToTheWholeRange();
    void aSingleDayIsAskedForWholeAndTheFilterShowsTheRowAsSent();
    void messageChargesOfOneDay();
    void showingEmptiesTheListAndAnotherTabForgetsTheRows();
    void theRowsShownAreExportedForOtherPrograms();
    void withoutASignInNothingIsAsked();
    void aFailedExchangeIsSaidAndAStrayReplyIsNotListed();

private:
    void query(int mode, const QDate& from, const QDate& to)
    {
        m_window->SwitchMode(mode);
        m_window->startPicker()->setDate(from);
        m_window->endPicker()->setDate(to);
        QSignalSpy finished(m_window->findChild<ServiceCall*>(), &ServiceCall::finished);
        QTest::mouseClick(m_window->findChild<CButtonPNG*>(QStringLiteral("queryButton")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(finished.count() >= 1, 20000);
        QCoreApplication::processEvents();
    }
    QString cell(int row, int column) const { return m_window->list()->itemText(row, column); }
    int rows() const { return m_window->list()->itemCount(); }
    QString totals() const { return m_window->totalsLabel()->text(); }

    ServiceProcess m_service;
    QTemporaryDir m_folder;
    std::unique_ptr<SessionState> m_session;
    std::unique_ptr<BillQueryWindow> m_window;
};

void BillQueryWindowTest::initTestCase()
{
    QVERIFY2(m_service.start(QStringLiteral(CVSERVICE_PATH)), "cvservice did not start");
    QVERIFY(m_folder.isValid());
}

void BillQueryWindowTest::init()
{
    m_service.pointClientHere();
    m_session = std::make_unique<SessionState>();
    m_session->setCredentials(kDemo.account, kDemo.password);
    m_session->setSignInResult(SessionState::kSignedIn);
    m_window = std::make_unique<BillQueryWindow>(*m_session, nullptr);
    m_window->show();
    MessageBoxDialog::clearNextAnswers();
    MessageBoxDialog::clearAnsweredTexts();
    FileDialog::clearNextAnswers();
}

void BillQueryWindowTest::cleanup()
{
    m_window.reset();
    QVERIFY(ServiceCall::waitForAll(std::chrono::seconds(20)));
    m_session.reset();
    QCOMPARE(MessageBoxDialog::pendingAnswers(), 0);
    QCOMPARE(FileDialog::pendingAnswers(), 0);
}

void BillQueryWindowTest::conferenceChargesOfEveryDemoMonthAddUpToTheWholeRange()
{
    // The window opens on this month, up to today, in the conference tab.
    QCOMPARE(m_window->mode(), int(BillQueryWindow::ConferenceCharges));
    QCOMPARE(m_window->startPicker()->date(), QDate(QDate::currentDate().year(), QDate::currentDate().month(), 1));
    QCOMPARE(m_window->endPicker()->date(), QDate::currentDate());
    QCOMPARE(m_window->startPicker()->displayFormat(), QStringLiteral("yyyy-MM-dd"));
    QCOMPARE(m_window->list()->columnTitle(4), QStringLiteral("会议费用"));
    QVERIFY(!m_window->chart()->isVisible());

    int minutes = 0;
    for (const DemoCharge& charge : kDemoCharges)
        minutes += charge.minutes;

    int listed = 0;
    const QDate last = QDate::currentDate();
    for (QDate month(daysAgo(60).year(), daysAgo(60).month(), 1); month <= last; month = month.addMonths(1)) {
        query(BillQueryWindow::ConferenceCharges, month, month.addMonths(1).addDays(-1));
        listed += rows();
    }
    QCOMPARE(listed, int(std::size(kDemoCharges)));

    query(BillQueryWindow::ConferenceCharges, daysAgo(60), QDate::currentDate());
    QCOMPARE(rows(), int(std::size(kDemoCharges)));
    QCOMPARE(totals(),
        QStringLiteral("共 %1 条记录，会议时长 %2 分钟，费用合计 %3 元")
            .arg(std::size(kDemoCharges))
            .arg(minutes)
            .arg(QString::number(minutes * kRate / 100.0, 'f', 2)));
    // The chart spans the range asked for and carries every charge.
    QVERIFY(m_window->chart()->isVisible());
    QCOMPARE(m_window->chart()->days().size(), 61);
    qint64 charted = 0;
    for (const DailyAmountChart::Day& day : m_window->chart()->days())
        charted += day.amount;
    QCOMPARE(charted, qint64(minutes) * kRate);

    // Nothing in the range: an empty list without a complaint.
    query(BillQueryWindow::ConferenceCharges, daysAgo(400), daysAgo(390));
    QCOMPARE(rows(), 0);
    QVERIFY(!m_window->chart()->isVisible());
    QVERIFY(MessageBoxDialog::answeredTexts().isEmpty());
}

void BillQueryWindowTest::aSingleDayIsAskedForWholeAndTheFilterShowsTheRowAsSent()
{
    const QDate day = daysAgo(kDemoCharges[0].daysAgo);
    const QString date = day.toString(QStringLiteral("yyyy-MM-dd"));
    const int amount = kDemoCharges[0].minutes * kRate;
    query(BillQueryWindow::ConferenceCharges, day, day);
    QCOMPARE(rows(), 1);
    const QString id = cell(0, 0);
    QVERIFY(id.startsWith(day.toString(QStringLiteral("yyyyMMdd"))));
    QCOMPARE(cell(0, 1), QString::fromStdString(kDemo.account));
    QCOMPARE(cell(0, 2), date + QStringLiteral(" 09:30"));
    QCOMPARE(cell(0, 3), date + QStringLiteral(" 10:05"));
    QCOMPARE(cell(0, 4), QString::number(amount / 100.0, 'f', 2));

    m_window->searchBox()->setText(id);
    QCOMPARE(rows(), 1);
    QCOMPARE(cell(0, 2), date + QStringLiteral(" 09:30:00"));
    QCOMPARE(cell(0, 3), date + QStringLiteral(" 10:05:00"));
    QCOMPARE(cell(0, 4), QString::number(amount));
    QVERIFY(totals().startsWith(QStringLiteral("共 1 条记录，会议时长 %1 分钟").arg(kDemoCharges[0].minutes)));

    m_window->searchBox()->setText(QStringLiteral("no such charge"));
    QCOMPARE(rows(), 0);
    QCOMPARE(totals(), QStringLiteral("共 0 条记录，会议时长 0 分钟，费用合计 0.00 元"));
    QVERIFY(!m_window->chart()->isVisible());
}

void BillQueryWindowTest::messageChargesOfOneDay()
{
    const QDate day = daysAgo(3);
    query(BillQueryWindow::SmsCharges, day, day);
    QCOMPARE(m_window->list()->columnCount(), 3);
    QCOMPARE(m_window->list()->columnTitle(0), QStringLiteral("手机号码"));
    QCOMPARE(rows(), kMessagesThreeDaysAgo);
    QCOMPARE(cell(0, 1), day.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 18:00:00"));
    QCOMPARE(cell(0, 2), QStringLiteral("0.10"));
    QCOMPARE(totals(), QStringLiteral("共 3 条记录，费用合计 0.30 元"));

    const QString phone = cell(1, 0);
    m_window->searchBox()->setText(phone);
    QCOMPARE(rows(), 1);
    QCOMPARE(cell(0, 0), phone);
    QCOMPARE(cell(0, 2), QStringLiteral("10"));
    QCOMPARE(totals(), QStringLiteral("共 1 条记录，费用合计 0.10 元"));

    m_window->searchBox()->clear();
    query(BillQueryWindow::SmsCharges, daysAgo(60), QDate::currentDate());
    QCOMPARE(rows(), kDemoMessages);
}

void BillQueryWindowTest::showingEmptiesTheListAndAnotherTabForgetsTheRows()
{
    query(BillQueryWindow::ConferenceCharges, daysAgo(60), QDate::currentDate());
    QCOMPARE(rows(), int(std::size(kDemoCharges)));
    m_window->hide();
    m_window->show();
    QCOMPARE(rows(), 0);
    QVERIFY(!m_window->chart()->isVisible());
    // The rows are still there for the search box, shown as the filter shows them.
    m_window->searchBox()->setText(QStringLiteral("T09:30"));
    QCOMPARE(rows(), 5);
    QCOMPARE(cell(0, 2).size(), 19);
    QVERIFY(m_window->chart()->isVisible());

    QTest::mouseClick(m_window->findChild<CButtonPNG*>(QStringLiteral("smsTab")), Qt::LeftButton);
    QCOMPARE(m_window->mode(), int(BillQueryWindow::SmsCharges));
    QCOMPARE(m_window->list()->columnCount(), 3);
    QCOMPARE(rows(), 0);
    m_window->searchBox()->setText(QString());
    QCOMPARE(rows(), 0);
}

void BillQueryWindowTest::theRowsShownAreExportedForOtherPrograms()
{
    query(BillQueryWindow::ConferenceCharges, daysAgo(60), QDate::currentDate());
    m_window->searchBox()->setText(QStringLiteral("T09:30"));
    QCOMPARE(rows(), 5);

    xls::SheetRows shown { { "会议编号", "主持电话", "开始时间", "结束时间", "会议费用" } };
    for (int row = 0; row < rows(); ++row) {
        xls::SheetRow cells;
        for (int column = 0; column < 5; ++column)
            cells.push_back(cell(row, column).toStdString());
        shown.push_back(cells);
    }

    const QString xlsx = m_folder.filePath(QStringLiteral("账单.xlsx"));
    FileDialog::setNextAnswer(xlsx);
    QTest::mouseClick(m_window->findChild<CButtonPNG*>(QStringLiteral("exportButton")), Qt::LeftButton);
    QVERIFY(ServiceCall::waitForAll(std::chrono::seconds(20)));
    const auto fromXlsx = xls::test::ForeignReader::openpyxl(xlsx.toStdString(), "Sheet1");
    QCOMPARE(fromXlsx.exitCode, 0);
    QVERIFY(fromXlsx.rows == shown);

    const QString csv = m_folder.filePath(QStringLiteral("账单.csv"));
    FileDialog::setNextAnswer(csv);
    QTest::mouseClick(m_window->findChild<CButtonPNG*>(QStringLiteral("exportButton")), Qt::LeftButton);
    QVERIFY(ServiceCall::waitForAll(std::chrono::seconds(20)));
    const auto fromCsv = xls::test::ForeignReader::csv(csv.toStdString());
    QCOMPARE(fromCsv.exitCode, 0);
    QVERIFY(fromCsv.rows == shown);
    QVERIFY(MessageBoxDialog::answeredTexts().isEmpty());

    // An empty list has nothing to export: no file dialog.
    m_window->searchBox()->setText(QStringLiteral("no such charge"));
    QVERIFY(!m_window->findChild<CButtonPNG*>(QStringLiteral("exportButton"))->isEnabled());
    FileDialog::setNextAnswer(csv);
    m_window->exportShown();
    QCOMPARE(FileDialog::pendingAnswers(), 1);
    FileDialog::clearNextAnswers();
}

void BillQueryWindowTest::withoutASignInNothingIsAsked()
{
    m_session->setSignInResult(-1);
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    QTest::mouseClick(m_window->findChild<CButtonPNG*>(QStringLiteral("queryButton")), Qt::LeftButton);
    QCOMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("对不起，您还没有登录！") });
    QCOMPARE(ServiceCall::running(), 0);
    QCOMPARE(rows(), 0);
}

void BillQueryWindowTest::aFailedExchangeIsSaidAndAStrayReplyIsNotListed()
{
    // Message charges arriving while the conference tab shows would land in the
    // wrong columns: they are dropped.
    AccountListReply stray;
    stray.kind = ChargeKind::Sms;
    stray.status = 0;
    stray.resultText = "13911110001\r2013-06-17T18:00:00\r10\r";
    stray.rows = 1;
    QCoreApplication::postEvent(m_window.get(), new AppEvent(Msg::SmsChargesReady, 0, 0, stray));
    QCoreApplication::processEvents();
    QCOMPARE(rows(), 0);

    // A service that cannot be reached is not an account without charges.
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
    const QByteArray port = QByteArray::number(closed.serverPort());
    closed.close();
    qputenv("CORVANA_WEB_PORT", port);
    m_window = std::make_unique<BillQueryWindow>(*m_session, nullptr);
    m_window->show();
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    query(BillQueryWindow::ConferenceCharges, daysAgo(60), QDate::currentDate());
    QCOMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("网络连接已断开,请稍后重试。") });
    QCOMPARE(rows(), 0);
}

QTEST_MAIN(BillQueryWindowTest)
#include "BillQueryWindowTest.moc"
