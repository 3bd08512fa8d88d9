// The main window's parts that need no service: reading the version answer, the
// side windows' placement and flags, starting the updater, and the exit prompt.

#include "core/session/VersionAnswer.h"
#include "shell/ExitPromptDialog.h"
#include "shell/SideWindows.h"
#include "shell/UpdaterLauncher.h"

#include "core/session/SavedAccount.h"
#include "skin/CButtonCR.h"
#include "skin/CButtonPNG.h"

#include <QCoreApplication>
#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

using Outcome = VersionAnswer::Outcome;
Q_DECLARE_METATYPE(VersionAnswer::Outcome)

class MainWindowPartsTest : public QObject {
    Q_OBJECT

private slots:
    void versionAnswer_data();
    void versionAnswer();
    void sideWindowsGlueToTheRightEdge();
    void sideWindowFlagsSurviveHiding();
    void updaterStartsFromTheProgramFolder();
    void missingUpdaterIsReported();
    void exitPromptWritesTheChoiceIntoTheAccount();
    void exitPromptCloseButtonDoesNothing();
};

void MainWindowPartsTest::versionAnswer_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QByteArray>("downloads");

    QTest::newRow("no text") << QByteArray() << Outcome::Silent << QByteArray();
    QTest::newRow("service failure") << QByteArray("1\r1009\r2\rhttp://h/a.exe\r\n") << Outcome::Silent << QByteArray();
    QTest::newRow("current") << QByteArray("0\r1008\r0\r\r\n") << Outcome::UpToDate << QByteArray();
    QTest::newRow("too old") << QByteArray("0\r1010\r2\rhttp://h/a.exe;http://h/b.dll\r\n") << Outcome::MustUpgrade
                             << QByteArray("http://h/a.exe;http://h/b.dll");
    QTest::newRow("newer exists") << QByteArray("0\r1009\r1\rhttp://h/a.exe\r") << Outcome::MayUpgrade
                                  << QByteArray("http://h/a.exe");
    QTest::newRow("unknown flag asks too")
        << QByteArray("0\r1009\r7\rhttp://h/a.exe\r") << Outcome::MayUpgrade << QByteArray("http://h/a.exe");
    QTest::newRow("only the first row counts")
        << QByteArray("0\r1008\r0\r\r\n0\r1010\r2\rhttp://x\r\n") << Outcome::UpToDate << QByteArray();
    QTest::newRow("row without a flag") << QByteArray("0\r1009\r") << Outcome::Silent << QByteArray();
}

void MainWindowPartsTest::versionAnswer()
{
    QFETCH(QByteArray, text);
    QFETCH(Outcome, outcome);
    QFETCH(QByteArray, downloads);
    const VersionAnswer answer = VersionAnswer::parse(text.toStdString());
    QCOMPARE(answer.outcome, outcome);
    if (outcome == Outcome::MustUpgrade || outcome == Outcome::MayUpgrade)
        QCOMPARE(QByteArray::fromStdString(answer.downloadList), downloads);
}

void MainWindowPartsTest::sideWindowsGlueToTheRightEdge()
{
    QWidget workspace;
    workspace.resize(600, 300);
    QWidget bills;
    bills.resize(450, 200);
    SideWindows side;
    side.set(SideWindows::Workspace, &workspace);
    side.set(SideWindows::Bill, &bills);

    side.glueTo(QRect(100, 50, 290, 709));
    QCOMPARE(workspace.geometry(), QRect(390, 50, 600, 709));
    QCOMPARE(bills.geometry(), QRect(390, 50, 450, 709));

    side.glueTo(QRect(-20, 400, 290, 709));
    QCOMPARE(workspace.geometry(), QRect(270, 400, 600, 709));
}

void MainWindowPartsTest::sideWindowFlagsSurviveHiding()
{
    QWidget workspace;
    QWidget recordings;
    QWidget bills;
    SideWindows side;
    side.set(SideWindows::Workspace, &workspace);
    side.set(SideWindows::Recording, &recordings);
    side.set(SideWindows::Bill, &bills);

    side.open(SideWindows::Bill);
    side.open(SideWindows::Recording);
    side.hideAll(false);
    QVERIFY(!recordings.isVisible() && !bills.isVisible());

    // The first flagged window in the fixed order comes back, and only that one.
    side.showFirstFlagged();
    QVERIFY(recordings.isVisible());
    QVERIFY(!bills.isVisible());

    side.hideAllExcept(SideWindows::Recording);
    QVERIFY(recordings.isVisible());

    side.hideAll(true);
    side.showFirstFlagged();
    QVERIFY(!recordings.isVisible() && !bills.isVisible() && !workspace.isVisible());
}

void MainWindowPartsTest::updaterStartsFromTheProgramFolder()
{
    QString program;
    QStringList arguments;
    QString folder;
    UpdaterLauncher::setStartFunction([&](const QString& p, const QStringList& a, const QString& f) {
        program = p;
        arguments = a;
        folder = f;
        return true;
    });
    QVERIFY(UpdaterLauncher::start(QStringLiteral("http://h/a.exe;http://h/b.dll")).isEmpty());
    UpdaterLauncher::setStartFunction({});

    const QString appDir = QCoreApplication::applicationDirPath();
    QCOMPARE(program, QDir(appDir).filePath(QStringLiteral("updater")));
    QCOMPARE(arguments, QStringList { QStringLiteral("http://h/a.exe;http://h/b.dll") });
    QCOMPARE(folder, appDir);
}

void MainWindowPartsTest::missingUpdaterIsReported()
{
    // No updater sits next to the test program.
    const QString message = UpdaterLauncher::start(QStringLiteral("http://h/a.exe"));
    QVERIFY(message.contains(UpdaterLauncher::updaterPath()));

    UpdaterLauncher::setStartFunction([](const QString&, const QStringList&, const QString&) { return false; });
    QVERIFY(!UpdaterLauncher::start(QStringLiteral("http://h/a.exe")).isEmpty());
    UpdaterLauncher::setStartFunction({});
}

void MainWindowPartsTest::exitPromptWritesTheChoiceIntoTheAccount()
{
    SavedAccount account {};
    account.exitormin = 1;
    account.nevershow = 1;
    ExitPromptDialog prompt(&account);
    auto* minimise = prompt.findChild<CButtonCR*>(QStringLiteral("minimiseChoice"));
    auto* exit = prompt.findChild<CButtonCR*>(QStringLiteral("exitChoice"));
    auto* neverShow = prompt.findChild<CButtonCR*>(QStringLiteral("neverShowCheck"));
    QVERIFY(minimise && exit && neverShow);
    QVERIFY(minimise->isChecked());
    QVERIFY(!exit->isChecked());
    QVERIFY(neverShow->isChecked());
    QVERIFY(!neverShow->isVisibleTo(&prompt));

    prompt.show();
    QTest::mouseClick(exit, Qt::LeftButton);
    QVERIFY(exit->isChecked());
    QVERIFY(!minimise->isChecked());
    QCOMPARE(account.exitormin, 0);
    QCOMPARE(prompt.exitOrMinimise(), 0);

    QTest::mouseClick(minimise, Qt::LeftButton);
    QVERIFY(!exit->isChecked());
    QCOMPARE(account.exitormin, 1);
    // nevershow is carried, never changed by the hidden box.
    QCOMPARE(account.nevershow, 1);

    QTest::mouseClick(prompt.findChild<CButtonPNG*>(QStringLiteral("okButton")), Qt::LeftButton);
    QCOMPARE(prompt.result(), int(QDialog::Accepted));
}

void MainWindowPartsTest::exitPromptCloseButtonDoesNothing()
{
    ExitPromptDialog prompt(nullptr);
    prompt.show();
    QTest::mouseClick(prompt.closeButton(), Qt::LeftButton);
    QVERIFY(prompt.isVisible());
    QTest::mouseClick(prompt.findChild<CButtonPNG*>(QStringLiteral("cancelButton")), Qt::LeftButton);
    QVERIFY(!prompt.isVisible());
    QCOMPARE(prompt.result(), int(QDialog::Rejected));
}

QTEST_MAIN(MainWindowPartsTest)
#include "MainWindowPartsTest.moc"
