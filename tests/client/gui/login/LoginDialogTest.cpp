#include "SilentServer.h"

#include "login/LoginDialog.h"
#include "widgets/MessageBoxDialog.h"

#include "core/session/OptionsFile.h"
#include "core/session/SessionState.h"
#include "skin/CButtonCR.h"
#include "skin/CButtonPNG.h"
#include "skin/CStaticEx.h"
#include "skin/Theme.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The login dialog against a service that never answers: its looks, cancel,
// time-out, the saved accounts and the ways it may and may not end.
class LoginDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void secondClickCancelsWithoutMessage();
    void enterStartsAndCancels();
    void timeOutShowsMessageAndIdles();
    void unreachableServiceIsExplained();
    void savedAccountsFillTheFields();
    void autoSignInOnlyAtStart();
    void onlyTheCloseButtonEndsIt();
    void linksOpenTheWebHost();
    void remembersWhereItStood();

private:
    QString writeOptions(const QByteArray& text);

    SilentServer m_server;
    QTemporaryDir m_dir;
};

namespace {

struct Controls {
    explicit Controls(LoginDialog& dialog)
        : account(dialog.findChild<QComboBox*>(QStringLiteral("accountCombo")))
        , password(dialog.findChild<QLineEdit*>(QStringLiteral("passwordEdit")))
        , remember(dialog.findChild<CButtonCR*>(QStringLiteral("rememberPasswordCheck")))
        , autoLogin(dialog.findChild<CButtonCR*>(QStringLiteral("autoLoginCheck")))
        , signIn(dialog.findChild<CButtonPNG*>(QStringLiteral("signInButton")))
        , busy(dialog.findChild<QWidget*>(QStringLiteral("busyLabel")))
    {
    }

    bool idleLook() const
    {
        return signIn->text() == QStringLiteral("登    录") && !busy->isVisible() && account->isVisible()
            && password->isVisible() && remember->isVisible() && autoLogin->isVisible();
    }
    bool busyLook() const
    {
        return signIn->text() == QStringLiteral("正在登录") && busy->isVisible() && !account->isVisible()
            && !password->isVisible() && !remember->isVisible() && !autoLogin->isVisible();
    }

    QComboBox* account;
    QLineEdit* password;
    CButtonCR* remember;
    CButtonCR* autoLogin;
    CButtonPNG* signIn;
    QWidget* busy;
};

const QByteArray kTwoAccounts = "[system]\ncurrentuser=0\nusercount=2\n"
                                "[user0]\nregphoneid=13800138000\nregphonepd=123456\nrempd=1\nautologin=0\n"
                                "[user1]\nregphoneid=13900139000\nregphonepd=654321\nrempd=0\nautologin=1\n";

} // namespace

void LoginDialogTest::initTestCase()
{
    QVERIFY(m_server.isListening());
    qputenv("CORVANA_WEB_HOST", "127.0.0.1");
}

void LoginDialogTest::init()
{
    MessageBoxDialog::clearNextAnswers();
    MessageBoxDialog::clearAnsweredTexts();
    qunsetenv("CORVANA_LOGIN_TIMEOUT_MS");
    qputenv("CORVANA_WEB_PORT", QByteArray::number(m_server.serverPort()));
}

QString LoginDialogTest::writeOptions(const QByteArray& text)
{
    const QString path
        = m_dir.filePath(QStringLiteral("cvoptions-%1.dat").arg(QString::fromLatin1(QTest::currentTestFunction())));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return {};
    return path;
}

void LoginDialogTest::secondClickCancelsWithoutMessage()
{
    SessionState session;
    LoginDialog dialog(session, nullptr, false, OptionsFile(m_dir.filePath(QStringLiteral("none.dat"))));
    Controls controls(dialog);
    dialog.show();
    QVERIFY(controls.idleLook());
    controls.account->setEditText(QStringLiteral("13800138000"));
    controls.password->setText(QStringLiteral("123456"));

    QTest::mouseClick(controls.signIn, Qt::LeftButton);
    QVERIFY(dialog.attemptRunning());
    QVERIFY(controls.busyLook());
    QCOMPARE(session.regphoneid(), std::string("13800138000"));
    QCOMPARE(session.ipAddress(), std::string("192.168.1.1"));
    QCOMPARE(session.savedAccounts().count(), 1);
    QTRY_COMPARE(m_server.connections(), 1);

    QTest::mouseClick(controls.signIn, Qt::LeftButton);
    QVERIFY(!dialog.attemptRunning());
    QVERIFY(dialog.signInCancelled());
    QVERIFY(controls.idleLook());
    QCOMPARE(session.signInResult(), SessionState::kNotSignedIn);
    QCOMPARE(controls.account->currentText(), QStringLiteral("13800138000"));
    QCoreApplication::processEvents();
    QVERIFY(MessageBoxDialog::answeredTexts().isEmpty());
    QVERIFY(!QApplication::activeModalWidget() || QApplication::activeModalWidget() == &dialog);
}

void LoginDialogTest::enterStartsAndCancels()
{
    SessionState session;
    LoginDialog dialog(session, nullptr, false, OptionsFile(m_dir.filePath(QStringLiteral("none.dat"))));
    Controls controls(dialog);
    dialog.show();
    QTest::keyClick(controls.password, Qt::Key_Return);
    QVERIFY(dialog.attemptRunning());
    QTest::keyClick(&dialog, Qt::Key_Enter);
    QVERIFY(!dialog.attemptRunning());
    QVERIFY(controls.idleLook());
    // Enter in the account field signs in too, and adds nothing to the saved list.
    QTest::keyClicks(controls.account->lineEdit(), QStringLiteral("13800138000"));
    QTest::keyClick(controls.account->lineEdit(), Qt::Key_Return);
    QVERIFY(dialog.attemptRunning());
    QCOMPARE(controls.account->count(), 0);
    dialog.attempt();
}

void LoginDialogTest::timeOutShowsMessageAndIdles()
{
    qputenv("CORVANA_LOGIN_TIMEOUT_MS", "600");
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    SessionState session;
    LoginDialog dialog(session, nullptr, false, OptionsFile(m_dir.filePath(QStringLiteral("none.dat"))));
    Controls controls(dialog);
    dialog.show();
    controls.account->setEditText(QStringLiteral("13800138000"));
    QTest::mouseClick(controls.signIn, Qt::LeftButton);
    QVERIFY(controls.busyLook());
    QTRY_COMPARE(
        MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("登录超时，请检查您的网络或重新登录。") });
    QVERIFY(controls.idleLook());
    QVERIFY(!dialog.attemptRunning());
    QVERIFY(dialog.signInCancelled());

    // The next attempt has a budget of its own and times out the same way.
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    QTest::mouseClick(controls.signIn, Qt::LeftButton);
    QVERIFY(!dialog.signInCancelled());
    QTRY_COMPARE(MessageBoxDialog::answeredTexts().size(), 2);
    QVERIFY(controls.idleLook());
}

void LoginDialogTest::unreachableServiceIsExplained()
{
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        closedPort = probe.serverPort();
    }
    qputenv("CORVANA_WEB_PORT", QByteArray::number(closedPort));
    MessageBoxDialog::setNextAnswer(MessageBoxDialog::Ok);
    SessionState session;
    LoginDialog dialog(session, nullptr, false, OptionsFile(m_dir.filePath(QStringLiteral("none.dat"))));
    Controls controls(dialog);
    dialog.show();
    QTest::mouseClick(controls.signIn, Qt::LeftButton);
    // The text of the code is asked for all the same; what that failed call says is
    // what the user reads.
    QTRY_COMPARE(MessageBoxDialog::answeredTexts(), QStringList { QStringLiteral("发送数据失败!") });
    QCOMPARE(session.signInResult(), 9);
    QVERIFY(controls.idleLook());
    QVERIFY(!dialog.signInCancelled());
}

void LoginDialogTest::savedAccountsFillTheFields()
{
    const QString path = writeOptions(kTwoAccounts);
    QVERIFY(!path.isEmpty());
    SessionState session;
    LoginDialog dialog(session, nullptr, true, OptionsFile(path));
    Controls controls(dialog);
    dialog.show();
    QCOMPARE(controls.account->count(), 2);
    QCOMPARE(controls.account->currentText(), QStringLiteral("13800138000"));
    QCOMPARE(controls.password->text(), QStringLiteral("123456"));
    QVERIFY(controls.remember->isChecked());
    QVERIFY(!controls.autoLogin->isChecked());
    QVERIFY(!dialog.attemptRunning());

    // The second account keeps no password but signs in by itself next time.
    controls.account->setCurrentIndex(1);
    emit controls.account->activated(1);
    QCOMPARE(session.savedAccounts().currentIndex(), 1); // the account in use is the one chosen
    QCOMPARE(controls.password->text(), QString());
    QVERIFY(!controls.remember->isChecked());
    QVERIFY(controls.autoLogin->isChecked());
    QVERIFY(!dialog.attemptRunning());

    controls.account->setCurrentIndex(0);
    emit controls.account->activated(0);
    QCOMPARE(session.savedAccounts().currentIndex(), 0);
    QCOMPARE(controls.password->text(), QStringLiteral("123456"));

    // Typing into the account field empties the password.
    controls.account->lineEdit()->setFocus();
    QTest::keyClick(controls.account->lineEdit(), Qt::Key_9);
    QCOMPARE(controls.password->text(), QString());
}

void LoginDialogTest::autoSignInOnlyAtStart()
{
    const QString path = writeOptions("[system]\ncurrentuser=0\nusercount=1\n"
                                      "[user0]\nregphoneid=13800138000\nregphonepd=123456\nrempd=1\nautologin=1\n");
    QVERIFY(!path.isEmpty());
    {
        SessionState session;
        LoginDialog dialog(session, nullptr, false, OptionsFile(path));
        QVERIFY(dialog.attemptRunning());
        QVERIFY(Controls(dialog).busyLook() || !dialog.isVisible());
        QCOMPARE(session.password(), std::string("123456"));
    }
    {
        SessionState session;
        LoginDialog dialog(session, nullptr, true, OptionsFile(path));
        QVERIFY(!dialog.attemptRunning());
    }
}

void LoginDialogTest::onlyTheCloseButtonEndsIt()
{
    SessionState session;
    LoginDialog dialog(session, nullptr, false, OptionsFile(m_dir.filePath(QStringLiteral("none.dat"))));
    bool stayedOpen = false;
    QTimer::singleShot(0, &dialog, [&] {
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCloseEvent close;
        QCoreApplication::sendEvent(&dialog, &close);
        dialog.close();
        stayedOpen = dialog.isVisible();
        QTest::mouseClick(dialog.closeButton(), Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(stayedOpen);
}

void LoginDialogTest::linksOpenTheWebHost()
{
    QList<QUrl> opened;
    CStaticEx::setUrlOpener([&opened](const QUrl& url) {
        opened.append(url);
        return true;
    });
    SessionState session;
    LoginDialog dialog(session, nullptr, false, OptionsFile(m_dir.filePath(QStringLiteral("none.dat"))));
    dialog.show();
    auto* registerLink = dialog.findChild<CStaticEx*>(QStringLiteral("registerLink"));
    auto* homeLink = dialog.findChild<CStaticEx*>(QStringLiteral("homeLink"));
    QCOMPARE(registerLink->text(), QStringLiteral("免费注册"));
    QCOMPARE(homeLink->text(), QStringLiteral("Corvana官网"));
    QTest::mouseClick(registerLink, Qt::LeftButton, {}, registerLink->rect().center());
    QTest::mouseClick(homeLink, Qt::LeftButton, {}, homeLink->rect().center());
    CStaticEx::setUrlOpener(nullptr);

    const QString host = QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort());
    QCOMPARE(
        opened, (QList<QUrl> { QUrl(host + QStringLiteral("/nav/register.aspx")), QUrl(host + QStringLiteral("/")) }));
    // "忘记密码" has its address but is never shown.
    auto* forgot = dialog.findChild<CStaticEx*>(QStringLiteral("forgotPasswordLink"));
    QCOMPARE(forgot->url(), QUrl(host + QStringLiteral("/nav/forgotpwd.aspx")));
    QVERIFY(!forgot->isVisible());
}

void LoginDialogTest::remembersWhereItStood()
{
    SessionState session;
    LoginDialog dialog(session, nullptr, false, OptionsFile(m_dir.filePath(QStringLiteral("none.dat"))));
    dialog.show();
    dialog.move(140, 90);
    QTRY_COMPARE(dialog.lastPosition().topLeft(), dialog.mapToGlobal(QPoint(0, 0)));
    QCOMPARE(dialog.lastPosition().size(), dialog.size());
    QVERIFY(dialog.lastPosition().topLeft() != QPoint(0, 0));
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    skin::Theme::apply(app);
    LoginDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LoginDialogTest.moc"
