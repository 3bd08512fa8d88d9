#include "EventRecorder.h"

#include "login/LoginDialog.h"
#include "widgets/MessageBoxDialog.h"

#include "core/service/MessageIds.h"
#include "core/service/ServiceCall.h"
#include "core/session/OptionsFile.h"
#include "core/session/SessionLoader.h"
#include "core/session/SessionState.h"
#include "cvsrv/CCvService.h"
#include "skin/CButtonPNG.h"
#include "skin/Theme.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The login dialog against a real cvservice child process on free ports.
class LoginServiceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void successStartsTheSessionLoads();
    void refusalShowsTheServiceText_data();
    void refusalShowsTheServiceText();
    void secondClickCancelsEvenWhenTheServiceAnswers();

private:
    struct Login;
    QProcess m_service;
    QTemporaryDir m_dir;
};

struct LoginServiceTest::Login {
    explicit Login(const QString& optionsPath)
        : dialog(session, nullptr, true, OptionsFile(optionsPath))
        , loader(session, &mainWindow)
    {
        dialog.setStartSessionLoads([this] { loader.StartSessionLoads(); });
        dialog.show();
    }

    void signIn(const QString& account, const QString& password)
    {
        dialog.findChild<QComboBox*>(QStringLiteral("accountCombo"))->setEditText(account);
        dialog.findChild<QLineEdit*>(QStringLiteral("passwordEdit"))->setText(password);
        QTest::mouseClick(signInButton(), Qt::LeftButton);
    }

    CButtonPNG* signInButton() const { return dialog.findChild<CButtonPNG*>(QStringLiteral("signInButton")); }

    SessionState session;
    EventRecorder mainWindow;
    LoginDialog dialog;
    SessionLoader loader;
};

void LoginServiceTest::initTestCase()
{
    m_service.setProgram(QStringLiteral(CVSERVICE_PATH));
    m_service.setArguments(
        { QStringLiteral("--http-port"), QStringLiteral("0"), QStringLiteral("--monitor-port"), QStringLiteral("0"),
            QStringLiteral("--db"), QStringLiteral(":memory:"), QStringLiteral("--demo"), QStringLiteral("--fast") });
    m_service.setProcessChannelMode(QProcess::SeparateChannels);
    m_service.start();
    QVERIFY2(m_service.waitForStarted(), qPrintable(m_service.errorString()));
    QByteArray httpPort;
    QByteArray monitorPort;
    while (httpPort.isEmpty() || monitorPort.isEmpty()) {
        if (!m_service.canReadLine())
            QVERIFY2(m_service.waitForReadyRead(20000), "cvservice printed no ports");
        while (m_service.canReadLine()) {
            const QByteArray line = m_service.readLine().trimmed();
            if (line.startsWith("http-port "))
                httpPort = line.mid(10);
            else if (line.startsWith("monitor-port "))
                monitorPort = line.mid(13);
        }
    }
    qputenv("CORVANA_WEB_HOST", "127.0.0.1");
    qputenv("CORVANA_WEB_PORT", httpPort);
    qputenv("CORVANA_MONITOR_HOST", "127.0.0.1");
    qputenv("CORVANA_MONITOR_PORT", monitorPort);
}

void LoginServiceTest::cleanupTestCase()
{
    QTRY_COMPARE(ServiceCall::running(), 0);
    m_service.terminate();
    m_service.waitForFinished(5000);
}

void LoginServiceTest::init()
{
    MessageBoxDialog::clearNextAnswers();
    MessageBoxDialog::clearAnsweredTexts();
}

void LoginServiceTest::successStartsTheSessionLoads()
{
    Login login(m_dir.filePath(QStringLiteral("none.dat")));
    login.signIn(QStringLiteral("13800138000"), QStringLiteral("123456"));
    QTRY_COMPARE(login.session.signInResult(), 0);
    QTRY_VERIFY(login.mainWindow.count(Msg::RunningConferencesReady) == 1);
    QTRY_VERIFY(login.mainWindow.count(Msg::BalanceReady) == 1);
    QVERIFY(!login.session.balance().empty());
    // The dialog stays up, busy, until the main window ends it; the loads ran once.
    QVERIFY(login.dialog.attemptRunning());
    QCOMPARE(login.signInButton()->text(), QStringLiteral("正在登录"));
    QCOMPARE(login.mainWindow.count(Msg::RunningConferencesReady), 1);
    QVERIFY(MessageBoxDialog::answeredTexts().isEmpty());
    QCOMPARE(login.session.savedAccounts().current()->regphoneid, std::string("13800138000"));
}

void LoginServiceTest::refusalShowsTheServiceText_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("password");
    QTest::newRow("wrong password") << QStringLiteral("13800138000") << QStringLiteral("wrong");
    QTest::newRow("nothing typed") << QString() << QString();
}

void LoginServiceTest::refusalShowsTheServiceText()
{
    QFETCH(QString, account);
    QFETCH(QString, password);
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    Login login(m_dir.filePath(QStringLiteral("none.dat")));
    login.signIn(account, password);
    QTRY_VERIFY(!login.dialog.attemptRunning());
    const int code = login.session.signInResult();
    QVERIFY(code > 0);

    std::string expected;
    QCOMPARE(CCvService().GetSysMsgInfo(code, expected), 0);
    QVERIFY(!expected.empty());
    QCOMPARE(MessageBoxDialog::answeredTexts(), QStringList { QString::fromStdString(expected).trimmed() });

    // Back to idle with what the user typed.
    QCOMPARE(login.signInButton()->text(), QStringLiteral("登    录"));
    QCOMPARE(login.dialog.findChild<QComboBox*>(QStringLiteral("accountCombo"))->currentText(), account);
    QCOMPARE(login.dialog.findChild<QLineEdit*>(QStringLiteral("passwordEdit"))->text(), password);
    QCOMPARE(login.mainWindow.records.size(), 0);
}

void LoginServiceTest::secondClickCancelsEvenWhenTheServiceAnswers()
{
    Login login(m_dir.filePath(QStringLiteral("none.dat")));
    login.signIn(QStringLiteral("13800138000"), QStringLiteral("123456"));
    QTest::mouseClick(login.signInButton(), Qt::LeftButton);
    QVERIFY(login.dialog.signInCancelled());
    // Whatever the abandoned worker brings back is dropped.
    QTRY_COMPARE(ServiceCall::running(), 0);
    QCoreApplication::processEvents();
    QCOMPARE(login.session.signInResult(), SessionState::kNotSignedIn);
    QVERIFY(MessageBoxDialog::answeredTexts().isEmpty());
    QCOMPARE(login.mainWindow.records.size(), 0);
    QCOMPARE(login.signInButton()->text(), QStringLiteral("登    录"));
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    skin::Theme::apply(app);
    LoginServiceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LoginServiceTest.moc"
