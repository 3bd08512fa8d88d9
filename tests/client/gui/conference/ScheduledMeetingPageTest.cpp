// The scheduled-meeting page against a cvservice child process: its refusals, the
// add rule, delete, filter and import; a conference booked, looked at, changed and
// asked to be cancelled; and a past conference booked again.

#include "conference/ScheduledMeetingPage.h"
#include "conference/BookingListModel.h"

#include "core/conference/ConferenceListDecoder.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "core/session/SessionState.h"
#include "cvsrv/CCvService.h"
#include "skin/CButtonCR.h"
#include "skin/CButtonPNG.h"
#include "skin/CDateTimeCtrlEx.h"
#include "skin/CEditBoxBmp.h"
#include "skin/CEditBoxEx.h"
#include "skin/CTransparentStatic.h"
#include "widgets/ImportFileDialog.h"
#include "widgets/MessageBoxDialog.h"
#include "widgets/OperationListCtrl.h"

#include "ServiceBook.h"
#include "ServiceProcess.h"
#include "WhenModal.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <optional>

using serviceBook::kDemo;

namespace {

// Stands in for the main window: keeps the bookings the page asks it to cancel.
class CancelRecorder : public QObject {
public:
    QList<ConferenceRecord> cancels;

protected:
    bool event(QEvent* event) override
    {
        if (AppEvent::messageOf(event) != Msg::ModifySelectedBooking)
            return QObject::event(event);
        if (const auto* record = static_cast<AppEvent*>(event)->payload<ConferenceRecord>())
            cancels.append(*record);
        return true;
    }
};

} // namespace

class ScheduledMeetingPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void refusalsKeepTheFormOpen();
    void participantsAreAddedOnceDeletedAndFiltered();
    void participantsAreImportedFromASpreadsheet();
    void aBookingIsMadeLookedAtChangedAndCancelled();
    void aBookingAtTheCurrentMinuteIsTaken();
    void aPastConferenceIsBookedAgainAsANewBooking();

private:
    CButtonPNG* button(const char* name) const { return m_page->findChild<CButtonPNG*>(QLatin1String(name)); }
    CEditBoxEx* edit(const char* name) const { return m_page->findChild<CEditBoxEx*>(QLatin1String(name)); }
    CDateTimeCtrlEx* picker() const { return m_page->findChild<CDateTimeCtrlEx*>(QStringLiteral("timePicker")); }
    QString count() const { return m_page->findChild<CTransparentStatic*>(QStringLiteral("participantCount"))->text(); }
    void typeParticipant(const QString& name, const QString& phone) const
    {
        edit("nameEdit")->setText(name);
        edit("phoneEdit")->setText(phone);
        QTest::mouseClick(button("addButton"), Qt::LeftButton);
    }
    QStringList shownPhones() const
    {
        QStringList phones;
        for (int r = 0; r < m_page->model()->rowCount(); ++r)
            phones << m_page->model()->index(r, BookingListModel::PhoneColumn).data().toString();
        return phones;
    }
    std::optional<ConferenceRecord> booked(const std::string& id) const
    {
        std::string text;
        int rows = 0;
        CCvService().GetSubscribeCurrentConference(kDemo.account.c_str(), kDemo.password.c_str(), text, rows);
        for (const ConferenceRecord& r : ConferenceListDecoder::booked(text)) {
            if (r.conferenceId == id)
                return r;
        }
        return std::nullopt;
    }

    ServiceProcess m_service;
    std::unique_ptr<SessionState> m_session;
    std::unique_ptr<ScheduledMeetingPage> m_page;
    QDateTime m_now;
};

void ScheduledMeetingPageTest::initTestCase()
{
    QVERIFY2(m_service.start(QStringLiteral(CVSERVICE_PATH)), "cvservice did not start");
}

void ScheduledMeetingPageTest::init()
{
    m_service.pointClientHere();
    m_session = std::make_unique<SessionState>();
    m_session->setCredentials(kDemo.account, kDemo.password);
    m_session->setSignInResult(SessionState::kSignedIn);
    m_session->memberProfile().hostNumber = kDemo.account;
    m_page = std::make_unique<ScheduledMeetingPage>(*m_session);
    // The page's "now" stands still while a test runs, so edges are exact.
    m_now = QDateTime::currentDateTime();
    m_now.setTime(QTime(m_now.time().hour(), m_now.time().minute(), m_now.time().second()));
    m_page->setClock([this] { return m_now; });
    m_page->resize(640, 600);
    m_page->show();
    m_page->LoadBooking(nullptr);
    MessageBoxDialog::clearNextAnswers();
    MessageBoxDialog::clearAnsweredTexts();
}

void ScheduledMeetingPageTest::cleanup()
{
    m_page.reset();
    QVERIFY(ServiceCall::waitForAll(std::chrono::seconds(20)));
    m_session.reset();
    QCOMPARE(MessageBoxDialog::pendingAnswers(), 0);
}

void ScheduledMeetingPageTest::refusalsKeepTheFormOpen()
{
    QCOMPARE(edit("hostEdit")->text(), QString::fromStdString(kDemo.account));
    QVERIFY(!button("editButton")->isEnabled());
    const auto book = [this] {
        MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
        QTest::mouseClick(button("bookButton"), Qt::LeftButton);
    };
    edit("hostEdit")->clear();
    picker()->setDateTime(m_now.addSecs(-1));
    book();
    picker()->setDateTime(m_now.addDays(31));
    book();
    picker()->setDateTime(m_now.addDays(30).addSecs(23 * 3600));
    book();
    edit("hostEdit")->setText(QString::fromStdString(kDemo.account));
    book();
    QCOMPARE(MessageBoxDialog::answeredTexts(),
        (QStringList { QStringLiteral("预约会议的时间不能小于当前时间！"),
            QStringLiteral("预约会议的时间不能大于当前时间之后一个月！"), QStringLiteral("主持人号码不能为空！"),
            QStringLiteral("至少有一个参会人员！") }));
    QVERIFY(edit("topicEdit")->isEnabled());
    QCOMPARE(button("bookButton")->text(), QStringLiteral("预约会议"));

    m_session->setSignInResult(SessionState::kNotSignedIn);
    MessageBoxDialog::clearAnsweredTexts();
    book();
    QCOMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("对不起，您还没有登录！") });
}

void ScheduledMeetingPageTest::participantsAreAddedOnceDeletedAndFiltered()
{
    typeParticipant(QStringLiteral("王芳"), QStringLiteral("13911110001"));
    typeParticipant(QStringLiteral("王芳"), QStringLiteral("13911110001"));
    // Only the length counts on this page.
    typeParticipant(QString(), QStringLiteral("abcdefg"));
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    typeParticipant(QStringLiteral("李娜"), QStringLiteral("139111"));
    QCOMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("电话号码格式有误") });
    QCOMPARE(edit("phoneEdit")->text(), QStringLiteral("139111"));
    QCOMPARE(shownPhones(), (QStringList { QStringLiteral("13911110001"), QStringLiteral("abcdefg") }));
    QCOMPARE(count(), QStringLiteral("2"));

    typeParticipant(QStringLiteral("王强"), QStringLiteral("13933330003"));
    m_page->findChild<CEditBoxBmp*>(QStringLiteral("searchBox"))->setText(QStringLiteral("王"));
    QCOMPARE(shownPhones(), (QStringList { QStringLiteral("13911110001"), QStringLiteral("13933330003") }));
    // "删除" on the second shown row.
    postAppEvent(m_page.get(), Msg::OperationWordClicked, 1, 0);
    QTRY_COMPARE(shownPhones(), QStringList { QStringLiteral("13911110001") });
    QCOMPARE(count(), QStringLiteral("2"));
    m_page->findChild<CEditBoxBmp*>(QStringLiteral("searchBox"))->clear();
    QCOMPARE(shownPhones(), (QStringList { QStringLiteral("13911110001"), QStringLiteral("abcdefg") }));
}

void ScheduledMeetingPageTest::participantsAreImportedFromASpreadsheet()
{
    typeParticipant(QStringLiteral("已有"), QStringLiteral("13800138000"));
    whenModal<ImportFileDialog>([](ImportFileDialog* dialog) {
        dialog->pathEdit()->setText(QStringLiteral(XLS_FIXTURES_DIR "/contacts.xlsx"));
        dialog->accept();
    });
    QTest::mouseClick(button("importButton"), Qt::LeftButton);
    // Three usable rows, one of them a phone already listed.
    QTRY_COMPARE(m_page->model()->rowCount(), 3);
    QCOMPARE(shownPhones().first(), QStringLiteral("13800138000"));
    QCOMPARE(shownPhones().last(), QStringLiteral("021-12345678"));
    QCOMPARE(count(), QStringLiteral("3"));
}

void ScheduledMeetingPageTest::aBookingIsMadeLookedAtChangedAndCancelled()
{
    QSignalSpy reloads(m_page.get(), &ScheduledMeetingPage::bookedConferencesChanged);
    CancelRecorder mainWindow;
    m_page->setMainWindow(&mainWindow);
    const QDateTime when = m_now.addDays(2);
    picker()->setDateTime(when);
    typeParticipant(QStringLiteral("王芳"), QStringLiteral("13911110001"));
    typeParticipant(QString(), QStringLiteral("13911110002"));
    m_page->findChild<CButtonCR*>(QStringLiteral("recordingBox"))->setChecked(true);
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    QTest::mouseClick(button("bookButton"), Qt::LeftButton);

    QTRY_COMPARE(
        MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("预约会议成功，请在预约时间等待会议呼叫！") });
    const std::string id = m_page->record().conferenceId;
    QVERIFY(id.size() >= 10);
    QCOMPARE(reloads.count(), 1);
    QCOMPARE(m_page->editingFlag(), 1);
    QCOMPARE(button("bookButton")->text(), QStringLiteral("取消会议"));
    QCOMPARE(button("editButton")->text(), QStringLiteral("编辑会议"));
    QVERIFY(button("editButton")->isEnabled());
    QVERIFY(!edit("topicEdit")->isEnabled());
    QVERIFY(!m_page->list()->isEnabled());
    std::optional<ConferenceRecord> listed = booked(id);
    QVERIFY(listed);
    // An empty topic was sent empty.
    QCOMPARE(listed->topic, std::string());
    QCOMPARE(listed->names, std::string("王芳,"));
    QCOMPARE(listed->recording, 1);

    // Opened from the booked list: what the service holds, read only, its options too.
    m_page->findChild<CButtonCR*>(QStringLiteral("recordingBox"))->setChecked(false);
    m_page->findChild<CButtonCR*>(QStringLiteral("muteAllBox"))->setChecked(true);
    m_page->LoadBooking(&*listed);
    QCOMPARE(picker()->dateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
        when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    QCOMPARE(shownPhones(), (QStringList { QStringLiteral("13911110001"), QStringLiteral("13911110002") }));
    QVERIFY(m_page->findChild<CButtonCR*>(QStringLiteral("recordingBox"))->isChecked());
    QVERIFY(!m_page->findChild<CButtonCR*>(QStringLiteral("muteAllBox"))->isChecked());
    // Checked when the page was made, so the booking was sent with it.
    QVERIFY(m_page->findChild<CButtonCR*>(QStringLiteral("smsNoticeBox"))->isChecked());

    QTest::mouseClick(button("editButton"), Qt::LeftButton);
    QCOMPARE(button("editButton")->text(), QStringLiteral("保存修改"));
    QVERIFY(edit("topicEdit")->isEnabled());
    edit("topicEdit")->setText(QStringLiteral("产品评审"));
    typeParticipant(QStringLiteral("赵六"), QStringLiteral("13911110003"));
    MessageBoxDialog::clearAnsweredTexts();
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    QTest::mouseClick(button("editButton"), Qt::LeftButton);
    QTRY_COMPARE(MessageBoxDialog::answeredTexts(),
        QStringList { QStringLiteral("预约会议修改成功，请在预约时间等待会议呼叫！") });
    QCOMPARE(m_page->record().conferenceId, id);
    QCOMPARE(button("editButton")->text(), QStringLiteral("编辑会议"));
    QVERIFY(!edit("topicEdit")->isEnabled());
    // The form shows what was saved, not the booking as it was loaded.
    QCOMPARE(edit("topicEdit")->text(), QStringLiteral("产品评审"));
    QCOMPARE(reloads.count(), 2);
    listed = booked(id);
    QVERIFY(listed);
    QCOMPARE(listed->topic, std::string("产品评审"));
    QCOMPARE(listed->phones, std::string("13911110001,13911110002,13911110003"));

    // The cancel names the booking on show; the main window sends it.
    QTest::mouseClick(button("bookButton"), Qt::LeftButton);
    QTRY_COMPARE(mainWindow.cancels.size(), 1);
    QCOMPARE(mainWindow.cancels.front().conferenceId, id);
    QCOMPARE(button("bookButton")->text(), QStringLiteral("取消会议"));
    m_page->ResetBookingAction();
    QCOMPARE(button("bookButton")->text(), QStringLiteral("预约会议"));
    QVERIFY(!button("editButton")->isEnabled());
    QVERIFY(edit("topicEdit")->isEnabled());
    QCOMPARE(edit("topicEdit")->text(), QStringLiteral("产品评审"));
}

void ScheduledMeetingPageTest::aBookingAtTheCurrentMinuteIsTaken()
{
    picker()->setDateTime(m_now);
    QCOMPARE(picker()->dateTime(), m_now);
    typeParticipant(QStringLiteral("王芳"), QStringLiteral("13911110001"));
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    QTest::mouseClick(button("bookButton"), Qt::LeftButton);
    QTRY_COMPARE(
        MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("预约会议成功，请在预约时间等待会议呼叫！") });
    QCOMPARE(m_page->editingFlag(), 1);
}

void ScheduledMeetingPageTest::aPastConferenceIsBookedAgainAsANewBooking()
{
    ConferenceRecord past;
    past.conferenceId = "20250102093000001";
    past.state = ConferenceRecord::Past;
    past.topic = "周例会";
    past.hostNumber = "13800138001";
    past.meetingTime = "2025-01-02T09:30:00";
    past.phones = "13911110001,13911110002";
    past.names = "王芳,李娜";
    past.autoRecall = 1;
    m_page->LoadBooking(&past);
    QCOMPARE(m_page->editingFlag(), 0);
    QVERIFY(m_page->record().conferenceId.empty());
    QCOMPARE(button("bookButton")->text(), QStringLiteral("预约会议"));
    QVERIFY(!button("editButton")->isEnabled());
    QVERIFY(edit("topicEdit")->isEnabled());
    QCOMPARE(edit("topicEdit")->text(), QStringLiteral("周例会"));
    QCOMPARE(edit("hostEdit")->text(), QStringLiteral("13800138001"));
    QCOMPARE(count(), QStringLiteral("2"));
    QVERIFY(m_page->findChild<CButtonCR*>(QStringLiteral("autoRecallBox"))->isChecked());
    // Its time has passed: the picker offers one that can be booked.
    QVERIFY(picker()->dateTime() > m_now);

    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    QTest::mouseClick(button("bookButton"), Qt::LeftButton);
    QTRY_COMPARE(
        MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("预约会议成功，请在预约时间等待会议呼叫！") });
    QVERIFY(m_page->record().conferenceId != past.conferenceId);
    QVERIFY(booked(m_page->record().conferenceId));

    // A new booking starts empty, host back to the account's default.
    m_page->LoadBooking(nullptr);
    QCOMPARE(m_page->model()->rowCount(), 0);
    QCOMPARE(count(), QStringLiteral("0"));
    QVERIFY(edit("topicEdit")->text().isEmpty());
    QCOMPARE(edit("hostEdit")->text(), QString::fromStdString(kDemo.account));
    QCOMPARE(button("bookButton")->text(), QStringLiteral("预约会议"));
}

QTEST_MAIN(ScheduledMeetingPageTest)
#include "ScheduledMeetingPageTest.moc"
