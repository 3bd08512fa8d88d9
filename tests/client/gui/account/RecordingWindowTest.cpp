// The recording window against a cvservice child process with the demo account:
// its opening range, the recordings of the demo months, the search box, and a
// double click handing the row's address to the player.

#include "account/RecordingWindow.h"
#include "account/RecordingTableModel.h"

#include "core/service/ServiceCall.h"
#include "core/session/SessionState.h"
#include "skin/CButtonPNG.h"
#include "skin/CDateTimeCtrlEx.h"
#include "skin/CEditBoxBmp.h"
#include "skin/CListCtrlEx.h"
#include "widgets/MessageBoxDialog.h"

#include "ServiceBook.h"
#include "ServiceProcess.h"

#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <memory>

using serviceBook::kDemo;

namespace {

// The recorded demo conferences: days ago and title.
constexpr int kRecordedDaysAgo[] = { 2, 9, 20, 28, 47 };
constexpr int kRecordedMondayMeetings = 2; // "周一例会"

QDate daysAgo(int days)
{
    return QDate::currentDate().addDays(-days);
}

} // namespace

class RecordingWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void theWindowOpensOnTomorrowsMonth();
    void recordingsOfTheDemoMonthsAreListedAndFiltered();
    void aDoubleClickPlaysTheRowItHits();
    void onlyStreamAddressesAreHandedOn();

private:
    void query(const QDate& from, const QDate& to)
    {
        m_window->startPicker()->setDate(from);
        m_window->endPicker()->setDate(to);
        QSignalSpy finished(m_window->findChild<ServiceCall*>(), &ServiceCall::finished);
        QTest::mouseClick(m_window->findChild<CButtonPNG*>(QStringLiteral("queryButton")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(finished.count() >= 1, 20000);
        QCoreApplication::processEvents();
    }
    // As a hand does it: a click, then the second press that makes it double.
    void doubleClick(const QPoint& at)
    {
        QTest::mouseClick(m_window->list()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(m_window->list()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }
    QString cell(int row, int column) const { return m_window->list()->itemText(row, column); }
    int rows() const { return m_window->list()->itemCount(); }

    ServiceProcess m_service;
    std::unique_ptr<SessionState> m_session;
    std::unique_ptr<RecordingWindow> m_window;
    QList<QUrl> m_opened;
};

void RecordingWindowTest::initTestCase()
{
    QVERIFY2(m_service.start(QStringLiteral(CVSERVICE_PATH)), "cvservice did not start");
}

void RecordingWindowTest::init()
{
    m_service.pointClientHere();
    m_session = std::make_unique<SessionState>();
    m_session->setCredentials(kDemo.account, kDemo.password);
    m_session->setSignInResult(SessionState::kSignedIn);
    m_window = std::make_unique<RecordingWindow>(*m_session, nullptr);
    m_window->resize(669, 712);
    m_opened.clear();
    m_window->setOpener([this](const QUrl& url) {
        m_opened.append(url);
        return true;
    });
    m_window->show();
    MessageBoxDialog::clearNextAnswers();
    MessageBoxDialog::clearAnsweredTexts();
}

void RecordingWindowTest::cleanup()
{
    m_window.reset();
    QVERIFY(ServiceCall::waitForAll(std::chrono::seconds(20)));
    m_session.reset();
    QCOMPARE(MessageBoxDialog::pendingAnswers(), 0);
}

void RecordingWindowTest::theWindowOpensOnTomorrowsMonth()
{
    const QDate tomorrow = QDate::currentDate().addDays(1);
    QCOMPARE(m_window->endPicker()->date(), tomorrow);
    QCOMPARE(m_window->startPicker()->date(), QDate(tomorrow.year(), tomorrow.month(), 1));
    QCOMPARE(m_window->endPicker()->displayFormat(), QStringLiteral("yyyy-MM-dd"));
    QCOMPARE(m_window->list()->columnCount(), 6);
    QCOMPARE(m_window->list()->columnTitle(4), QStringLiteral("录音试听"));
    QCOMPARE(m_window->list()->columnWidth(5), 0);
}

void RecordingWindowTest::recordingsOfTheDemoMonthsAreListedAndFiltered()
{
    query(daysAgo(60), QDate::currentDate());
    QCOMPARE(rows(), int(std::size(kRecordedDaysAgo)));
    QStringList days;
    for (int row = 0; row < rows(); ++row) {
        QCOMPARE(cell(row, 4), QStringLiteral("双击试听录音"));
        QCOMPARE(cell(row, 2), QString::fromStdString(kDemo.account));
        QCOMPARE(cell(row, 3).size(), 19);
        QCOMPARE(cell(row, 3).at(10), QLatin1Char(' '));
        QVERIFY(QUrl(cell(row, 5)).scheme().startsWith(QStringLiteral("http")));
        days.append(cell(row, 3).left(10));
    }
    for (int ago : kRecordedDaysAgo)
        QVERIFY2(days.contains(daysAgo(ago).toString(QStringLiteral("yyyy-MM-dd"))), qPrintable(days.join(u' ')));

    // A single day: the recording of that day only.
    query(daysAgo(2), daysAgo(2));
    QCOMPARE(rows(), 1);
    QCOMPARE(cell(0, 1), QStringLiteral("周一例会"));

    query(daysAgo(60), QDate::currentDate());
    m_window->searchBox()->setText(QStringLiteral("周一例会"));
    QCOMPARE(rows(), kRecordedMondayMeetings);
    m_window->hide();
    m_window->show();
    QCOMPARE(rows(), 0);
    m_window->searchBox()->setText(QString());
    QCOMPARE(rows(), int(std::size(kRecordedDaysAgo)));
}

void RecordingWindowTest::aDoubleClickPlaysTheRowItHits()
{
    query(daysAgo(60), QDate::currentDate());
    QVERIFY(rows() >= 2);
    CListCtrlEx* list = m_window->list();
    doubleClick(list->visualRect(list->model()->index(1, 0)).center());
    QCOMPARE(m_opened.size(), 1);
    QCOMPARE(m_opened.first(), QUrl(cell(1, 5)));
    QCOMPARE(m_opened.first().toString(), m_window->model()->address(1));

    // Below the last row there is nothing to play.
    const QRect last = list->visualRect(list->model()->index(rows() - 1, 0));
    QVERIFY(last.bottom() + 30 < list->viewport()->height());
    doubleClick(QPoint(last.center().x(), last.bottom() + 20));
    QCOMPARE(m_opened.size(), 1);

    // The filter's rows play their own recordings.
    m_window->searchBox()->setText(QStringLiteral("周一例会"));
    doubleClick(list->visualRect(list->model()->index(0, 0)).center());
    QCOMPARE(m_opened.size(), 2);
    QCOMPARE(m_opened.last().toString(), cell(0, 5));
    QCOMPARE(cell(0, 1), QStringLiteral("周一例会"));
}

void RecordingWindowTest::onlyStreamAddressesAreHandedOn()
{
    m_window->model()->load("1\r13800138000\r2013-06-17T21:40:22\rfile:///etc/passwd\r本地\r\n"
                            "2\r13800138000\r2013-06-17T21:40:22\r/usr/bin/xterm\r程序\r\n"
                            "3\r13800138000\r2013-06-17T21:40:22\rhttps://example.com/r/3.mp3\r网络\r");
    QCOMPARE(cell(2, 3), QStringLiteral("2013-06-17 21:40:22"));
    m_window->Play(0);
    m_window->Play(1);
    m_window->Play(7);
    QVERIFY(m_opened.isEmpty());
    m_window->Play(2);
    QCOMPARE(m_opened, QList<QUrl> { QUrl(QStringLiteral("https://example.com/r/3.mp3")) });
}

QTEST_MAIN(RecordingWindowTest)
#include "RecordingWindowTest.moc"
