// The SMS page: the length held to 250 characters while typing and pasting, the
// recipients from the address book and from spreadsheets, the refusals, and sends
// against a cvservice child process (now, at a time, and refused for a keyword).

#include "messaging/SmsPage.h"

#include "core/addressbook/AddressBook.h"
#include "core/addressbook/AddressBookLoader.h"
#include "core/messaging/RecipientList.h"
#include "core/service/ServiceCall.h"
#include "core/session/SessionState.h"
#include "skin/CButtonCR.h"
#include "skin/CButtonPNG.h"
#include "skin/CDateTimeCtrlEx.h"
#include "skin/CEditBoxEx.h"
#include "skin/CTransparentStatic.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBoxDialog.h"

#include "EventRecorder.h"
#include "ServiceBook.h"
#include "ServiceProcess.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using serviceBook::kDemo;

class SmsPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void theCounterCountsCharactersOfContentAndSignature();
    void typingOrPastingBeyondTheLimitIsUndone();
    void recipientsComeFromAGroupAndASpreadsheetWithOneCommaBetween();
    void refusalsSendNothing();
    void aMessageGoesOutNowAndAtATimeFiveMinutesAhead();
    void aBlockedKeywordIsRefusedInTheServicesWords();

private:
    void setContent(const QString& text) const { m_page->contentEdit()->setPlainText(text); }
    QString content() const { return m_page->contentEdit()->toPlainText(); }
    QString counter() const { return m_page->lengthCounter()->text(); }
    void clickSend() const
    {
        QTest::mouseClick(m_page->findChild<CButtonPNG*>(QStringLiteral("sendButton")), Qt::LeftButton);
    }
    // The service's SMS records for a number: (send time, charge) pairs.
    static QList<QPair<QString, QString>> sentTo(const std::string& number)
    {
        std::string text;
        int count = 0;
        CCvService().GetUserPhoneCharge(kDemo.account.c_str(), kDemo.password.c_str(), "", text, count);
        QList<QPair<QString, QString>> records;
        for (const auto& fields : serviceBook::rowsOf(text)) {
            if (fields.size() >= 3 && fields[0] == number)
                records.append({ QString::fromStdString(fields[1]), QString::fromStdString(fields[2]) });
        }
        return records;
    }

    ServiceProcess m_service;
    std::unique_ptr<SessionState> m_session;
    std::unique_ptr<SmsPage> m_page;
};

void SmsPageTest::initTestCase()
{
    QVERIFY2(m_service.start(QStringLiteral(CVSERVICE_PATH)), "cvservice did not start");
}

void SmsPageTest::init()
{
    m_service.pointClientHere();
    m_session = std::make_unique<SessionState>();
    m_session->setCredentials(kDemo.account, kDemo.password);
    m_session->setSignInResult(SessionState::kSignedIn);
    m_session->memberProfile().smsSignature = "ab";
    m_page = std::make_unique<SmsPage>(*m_session);
    m_page->resize(420, 340);
    m_page->show();
    m_page->ShowSignature();
    MessageBoxDialog::clearNextAnswers();
    MessageBoxDialog::clearAnsweredTexts();
    FileDialog::clearNextAnswers();
}

void SmsPageTest::cleanup()
{
    m_page.reset();
    QVERIFY(ServiceCall::waitForAll(std::chrono::seconds(20)));
    m_session.reset();
    QCOMPARE(MessageBoxDialog::pendingAnswers(), 0);
    QCOMPARE(FileDialog::pendingAnswers(), 0);
}

void SmsPageTest::theCounterCountsCharactersOfContentAndSignature()
{
    QCOMPARE(m_page->signatureEdit()->text(), QStringLiteral("ab"));
    QCOMPARE(counter(), QStringLiteral("4")); // "[ab]" alone
    setContent(QStringLiteral("你好"));
    QCOMPARE(counter(), QStringLiteral("6"));
    m_page->signatureEdit()->clear();
    QCOMPARE(counter(), QStringLiteral("2"));

    // The billing line: 70 characters are one message, 71 two.
    m_page->recipientsEdit()->setPlainText(QStringLiteral("13911110001,13911110002,"));
    setContent(QString(70, QLatin1Char('a')));
    QCOMPARE(m_page->billingLine()->text(), QStringLiteral("共70字，按1条短信计费，接收者2个"));
    setContent(QString(71, QLatin1Char('a')));
    QCOMPARE(m_page->billingLine()->text(), QStringLiteral("共71字，按2条短信计费，接收者2个"));
}

void SmsPageTest::typingOrPastingBeyondTheLimitIsUndone()
{
    // 246 characters and "[ab]": exactly 250.
    const QString full = QString::fromUtf8("会").repeated(246);
    setContent(full);
    QCOMPARE(counter(), QStringLiteral("250"));
    m_page->contentEdit()->setFocus();
    m_page->contentEdit()->moveCursor(QTextCursor::End);
    QTest::keyClicks(m_page->contentEdit(), QStringLiteral("x"));
    QCOMPARE(content(), full);
    QCOMPARE(m_page->signatureEdit()->text(), QStringLiteral("ab"));
    QCOMPARE(counter(), QStringLiteral("250"));
    // The signature is held alike.
    QTest::keyClicks(m_page->signatureEdit(), QStringLiteral("c"));
    QCOMPARE(m_page->signatureEdit()->text(), QStringLiteral("ab"));

    // A paste that jumps past the limit takes back just the paste.
    setContent(QStringLiteral("明天开会"));
    QCOMPARE(counter(), QStringLiteral("8"));
    QGuiApplication::clipboard()->setText(QString(300, QLatin1Char('p')));
    m_page->contentEdit()->moveCursor(QTextCursor::End);
    m_page->contentEdit()->paste();
    QCOMPARE(content(), QStringLiteral("明天开会"));
    QCOMPARE(counter(), QStringLiteral("8"));
    // A paste that fits stays.
    QGuiApplication::clipboard()->setText(QStringLiteral("，九点"));
    m_page->contentEdit()->paste();
    QCOMPARE(content(), QStringLiteral("明天开会，九点"));
    QCOMPARE(counter(), QStringLiteral("11"));
}

void SmsPageTest::recipientsComeFromAGroupAndASpreadsheetWithOneCommaBetween()
{
    EventRecorder mainWindow;
    AddressBookLoader loader(*m_session, &mainWindow);
    loader.Synchronise();
    QTRY_VERIFY_WITH_TIMEOUT(!loader.calls().anyBusy(), 20000);
    const GroupEntry& group = m_session->addressBook().groupSlot(PanelMode::ConferenceGroups, 0);
    QVERIFY(group.memberCount > 0);
    QString members;
    for (int i = 0; i < group.memberCount; ++i)
        members += QString::fromStdString(group.members[std::size_t(i)].phone) + QLatin1Char(',');

    m_page->recipientsEdit()->setPlainText(QStringLiteral("13800000000"));
    m_page->AddFromAddressBook(int(PanelMode::ConferenceGroups), -1, 0);
    QCOMPARE(m_page->recipientsEdit()->toPlainText(), QStringLiteral("13800000000,") + members);

    QTemporaryDir folder;
    const QString sheet = folder.filePath(QStringLiteral("recipients.csv"));
    QFile file(sheet);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("phone,addressname\n13911110007,a\n13911110008,b\n");
    file.close();
    const QString text = folder.filePath(QStringLiteral("recipients.txt"));
    QVERIFY(QFile::copy(sheet, text));

    m_page->recipientsEdit()->setPlainText(QStringLiteral("13800000000"));
    FileDialog::setNextAnswer(sheet);
    QTest::mouseClick(m_page->findChild<CButtonPNG*>(QStringLiteral("importButton")), Qt::LeftButton);
    QTRY_COMPARE(m_page->recipientsEdit()->toPlainText(), QStringLiteral("13800000000,13911110007,13911110008,"));
    QCOMPARE(m_page->billingLine()->text(), QStringLiteral("共4字，按1条短信计费，接收者3个"));

    // Not a spreadsheet: nothing happens.
    FileDialog::setNextAnswer(text);
    QTest::mouseClick(m_page->findChild<CButtonPNG*>(QStringLiteral("importButton")), Qt::LeftButton);
    QTest::qWait(50);
    QCOMPARE(m_page->recipientsEdit()->toPlainText(), QStringLiteral("13800000000,13911110007,13911110008,"));
}

void SmsPageTest::refusalsSendNothing()
{
    const QDateTime due = QDateTime(QDate::currentDate().addDays(1), QTime(10, 0));
    m_page->setClock([due] { return due.addSecs(-299); });
    for (int i = 0; i < 3; ++i)
        MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    clickSend();
    setContent(QStringLiteral("周会改到十点"));
    clickSend();
    m_page->recipientsEdit()->setPlainText(QStringLiteral("13912340001"));
    m_page->timedSendBox()->click();
    QVERIFY(m_page->sendTimePicker()->isEnabled());
    m_page->sendTimePicker()->setDateTime(due);
    clickSend();
    QCOMPARE(MessageBoxDialog::answeredTexts(),
        (QStringList { QStringLiteral("短信内容不能为空"), QStringLiteral("联系人不能为空"),
            QStringLiteral("定时发送短信的时间必须大于当前时间之后 5 分钟，请修改！") }));
    QVERIFY(sentTo("13912340001").isEmpty());
    m_page->timedSendBox()->click();
    QVERIFY(!m_page->sendTimePicker()->isEnabled());
}

void SmsPageTest::aMessageGoesOutNowAndAtATimeFiveMinutesAhead()
{
    setContent(QStringLiteral("周会改到十点"));
    m_page->recipientsEdit()->setPlainText(QStringLiteral("13912340002,13912340003"));
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    clickSend();
    QTRY_COMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("短信已经发送！") });
    QCOMPARE(sentTo("13912340002").size(), 1);
    QCOMPARE(sentTo("13912340003").size(), 1);
    // The edits keep their texts.
    QCOMPARE(content(), QStringLiteral("周会改到十点"));

    // Exactly five minutes ahead is accepted and kept as the send time; a message of
    // 71 characters is charged as two.
    const QDateTime due = QDateTime(QDate::currentDate().addDays(1), QTime(10, 0));
    m_page->setClock([due] { return due.addSecs(-300); });
    m_page->timedSendBox()->click();
    m_page->sendTimePicker()->setDateTime(due);
    setContent(QString(67, QLatin1Char('t')));
    m_page->recipientsEdit()->setPlainText(QStringLiteral("13912340004"));
    MessageBoxDialog::clearAnsweredTexts();
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    clickSend();
    QTRY_COMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("短信已经发送！") });
    const QList<QPair<QString, QString>> timed = sentTo("13912340004");
    QCOMPARE(timed.size(), 1);
    QCOMPARE(timed.front().first, due.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")));
    QCOMPARE(timed.front().second, QStringLiteral("20"));
}

void SmsPageTest::aBlockedKeywordIsRefusedInTheServicesWords()
{
    setContent(QStringLiteral("代开发票，请联系"));
    m_page->recipientsEdit()->setPlainText(QStringLiteral("13912340005"));
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    clickSend();
    QTRY_COMPARE(MessageBoxDialog::answeredTexts(),
        QStringList { QStringLiteral("短信内容含有屏蔽关键字，请修改后重新发送！") });
    QVERIFY(sentTo("13912340005").isEmpty());
    QCOMPARE(content(), QStringLiteral("代开发票，请联系"));
}

QTEST_MAIN(SmsPageTest)
#include "SmsPageTest.moc"
