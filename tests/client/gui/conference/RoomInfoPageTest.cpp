// The room page in the conference workspace against a cvservice child process: the
// passwords shown, new ones issued and shown, the dial-in numbers of the account's
// note number, and the word for a room without a host password.

#include "conference/RoomInfoPage.h"
#include "conference/ConferenceWorkspace.h"

#include "core/conference/DialInNumbers.h"
#include "core/conference/RoomInfo.h"
#include "core/conference/RoomInfoJob.h"
#include "core/service/AppEvent.h"
#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "core/session/SessionState.h"
#include "skin/CButtonPNG.h"
#include "skin/CTransparentStatic.h"
#include "widgets/MessageBoxDialog.h"

#include "ServiceBook.h"
#include "ServiceProcess.h"

#include <QTest>

#include <memory>

using serviceBook::kDemo;
using Page = ConferenceWorkspace::Page;

namespace {

const Credentials kSecond { "13900139000", "654321" };

// The room as the service holds it now.
RoomInfo serviceRoom(const Credentials& who)
{
    RoomInfo room;
    std::string text;
    CCvService().GetClientRoomInfo(who.account.c_str(), who.password.c_str(), text);
    room.readPasswords(text);
    return room;
}

QString shown(std::string_view number)
{
    return QString::fromUtf8(number.data(), qsizetype(number.size()));
}

} // namespace

class RoomInfoPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void theTabShowsTheRoomPasswordsAndTheFirstDialInSet();
    void resetIssuesNewPasswordsAndShowsThem();
    void noteNumberTwoShowsTheSecondDialInSet();
    void aRoomWithoutHostPasswordSaysSoAndKeepsWhatWasShown();

private:
    void openAs(const Credentials& who);
    QString label(const char* name) const
    {
        return m_workspace->roomInfoPage()->findChild<CTransparentStatic*>(QLatin1String(name))->text();
    }
    QStringList dialInShown() const
    {
        QStringList numbers;
        for (int i = 0; i < DialInNumbers::kCount; ++i)
            numbers << label(QStringLiteral("dialInNumber%1").arg(i).toLatin1().constData());
        return numbers;
    }
    static QStringList dialInSet(const DialInNumbers& set)
    {
        QStringList numbers;
        for (std::string_view number : set.numbers)
            numbers << shown(number);
        return numbers;
    }

    ServiceProcess m_service;
    std::unique_ptr<SessionState> m_session;
    std::unique_ptr<QWidget> m_owner;
    std::unique_ptr<ConferenceWorkspace> m_workspace;
};

void RoomInfoPageTest::initTestCase()
{
    QVERIFY2(m_service.start(QStringLiteral(CVSERVICE_PATH)), "cvservice did not start");
}

void RoomInfoPageTest::init()
{
    m_service.pointClientHere();
    MessageBoxDialog::clearNextAnswers();
    MessageBoxDialog::clearAnsweredTexts();
}

void RoomInfoPageTest::cleanup()
{
    m_workspace.reset();
    m_owner.reset();
    QVERIFY(ServiceCall::waitForAll(std::chrono::seconds(20)));
    m_session.reset();
    QCOMPARE(MessageBoxDialog::pendingAnswers(), 0);
}

void RoomInfoPageTest::openAs(const Credentials& who)
{
    m_session = std::make_unique<SessionState>();
    m_session->setCredentials(who.account, who.password);
    m_session->setSignInResult(SessionState::kSignedIn);
    m_owner = std::make_unique<QWidget>();
    m_workspace = std::make_unique<ConferenceWorkspace>(*m_session, m_owner.get());
    m_workspace->show();
    QTest::mouseClick(m_workspace->tab(Page::RoomInfo), Qt::LeftButton);
    QCOMPARE(m_workspace->page(), Page::RoomInfo);
    QTRY_VERIFY(!m_workspace->roomInfoPage()->room().noteNumber.empty());
}

void RoomInfoPageTest::theTabShowsTheRoomPasswordsAndTheFirstDialInSet()
{
    openAs(kDemo);
    const RoomInfo room = serviceRoom(kDemo);
    QVERIFY(!room.hostPassword.empty());
    QCOMPARE(label("hostPasswordLabel"), QStringLiteral("主持人密码：") + QString::fromStdString(room.hostPassword));
    QCOMPARE(label("participantPasswordLabel"),
        QStringLiteral("参会人密码：") + QString::fromStdString(room.participantPassword));
    QCOMPARE(m_workspace->roomInfoPage()->room().noteNumber, std::string("1"));
    QCOMPARE(dialInShown(), dialInSet(DialInNumbers::first()));
    QVERIFY(MessageBoxDialog::answeredTexts().isEmpty());
}

void RoomInfoPageTest::resetIssuesNewPasswordsAndShowsThem()
{
    openAs(kDemo);
    const RoomInfo before = serviceRoom(kDemo);
    QCOMPARE(m_workspace->roomInfoPage()->room().hostPassword, before.hostPassword);

    QTest::mouseClick(
        m_workspace->roomInfoPage()->findChild<CButtonPNG*>(QStringLiteral("resetButton")), Qt::LeftButton);
    const RoomInfo after = serviceRoom(kDemo);
    QVERIFY(after.hostPassword != before.hostPassword || after.participantPassword != before.participantPassword);
    QTRY_COMPARE(
        label("hostPasswordLabel"), QStringLiteral("主持人密码：") + QString::fromStdString(after.hostPassword));
    QCOMPARE(label("participantPasswordLabel"),
        QStringLiteral("参会人密码：") + QString::fromStdString(after.participantPassword));
    QVERIFY(MessageBoxDialog::answeredTexts().isEmpty());
}

void RoomInfoPageTest::noteNumberTwoShowsTheSecondDialInSet()
{
    openAs(kSecond);
    QCOMPARE(m_workspace->roomInfoPage()->room().noteNumber, std::string("2"));
    QCOMPARE(dialInShown(), dialInSet(DialInNumbers::second()));
    QCOMPARE(label("hostPasswordLabel"),
        QStringLiteral("主持人密码：") + QString::fromStdString(serviceRoom(kSecond).hostPassword));
}

void RoomInfoPageTest::aRoomWithoutHostPasswordSaysSoAndKeepsWhatWasShown()
{
    SessionState session;
    RoomInfoPage page(session);
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    QCoreApplication::postEvent(&page, new AppEvent(Msg::RoomInfoReady, 0, 0, RoomInfoReply { {}, "2\r" }));
    QTRY_COMPARE(MessageBoxDialog::answeredTexts(),
        QStringList { QStringLiteral("对不起，还没有设置会议密码，请单机右边的“重设密码”") });
    QCOMPARE(page.findChild<CTransparentStatic*>(QStringLiteral("dialInNumber0"))->text(),
        shown(DialInNumbers::second().numbers[0]));

    // An answer without passwords after one with them leaves them shown, no message.
    QCoreApplication::postEvent(
        &page, new AppEvent(Msg::RoomInfoReady, 0, 0, RoomInfoReply { "111222\r333444\r", "1\r" }));
    QTRY_COMPARE(page.room().hostPassword, std::string("111222"));
    QCoreApplication::postEvent(&page, new AppEvent(Msg::RoomInfoReady, 0, 0, RoomInfoReply { {}, {} }));
    QCoreApplication::processEvents();
    QCOMPARE(page.findChild<CTransparentStatic*>(QStringLiteral("hostPasswordLabel"))->text(),
        QStringLiteral("主持人密码：111222"));
    QCOMPARE(MessageBoxDialog::answeredTexts().size(), 1);
    QCOMPARE(page.findChild<CTransparentStatic*>(QStringLiteral("dialInNumber0"))->text(),
        shown(DialInNumbers::first().numbers[0]));
}

QTEST_MAIN(RoomInfoPageTest)
#include "RoomInfoPageTest.moc"
