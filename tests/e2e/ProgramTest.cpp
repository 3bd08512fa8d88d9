// The corvana program itself: one running copy per user, also after a crash, and a
// whole sign-in from start to the main window (through corvana-tour).

#include "ServiceProcess.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void secondStartBringsTheFirstForwardAndEnds();
    void aStartAfterACrashTakesOver();
    void signsInAndReachesTheMainWindow();

private:
    // Reads the process's output until a line contains text.
    static bool waitForLine(QProcess& process, const QByteArray& text, QByteArray* seen);
};

bool ProgramTest::waitForLine(QProcess& process, const QByteArray& text, QByteArray* seen)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 30000) {
        *seen += process.readAll();
        if (seen->contains(text))
            return true;
        if (process.state() == QProcess::NotRunning)
            return false;
        process.waitForReadyRead(200);
    }
    return false;
}

void ProgramTest::secondStartBringsTheFirstForwardAndEnds()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("corvana.shell.info=true"));

    QProcess first;
    first.setProcessEnvironment(env);
    first.setProcessChannelMode(QProcess::MergedChannels);
    first.start(QStringLiteral(CORVANA_PATH), {});
    QByteArray firstOutput;
    QVERIFY2(waitForLine(first, "first instance", &firstOutput), firstOutput.constData());

    QProcess second;
    second.setProcessEnvironment(env);
    second.setProcessChannelMode(QProcess::MergedChannels);
    second.start(QStringLiteral(CORVANA_PATH), {});
    QVERIFY(second.waitForFinished(20000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(!second.readAll().contains("first instance"));

    QVERIFY2(waitForLine(first, "asked to come to the front", &firstOutput), firstOutput.constData());
    QCOMPARE(first.state(), QProcess::Running);
    first.terminate();
    QVERIFY(first.waitForFinished(10000));

    // With the first one gone, the next start is a first instance again.
    QProcess third;
    third.setProcessEnvironment(env);
    third.setProcessChannelMode(QProcess::MergedChannels);
    third.start(QStringLiteral(CORVANA_PATH), {});
    QByteArray thirdOutput;
    QVERIFY2(waitForLine(third, "first instance", &thirdOutput), thirdOutput.constData());
    third.terminate();
    QVERIFY(third.waitForFinished(10000));
}

void ProgramTest::aStartAfterACrashTakesOver()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("corvana.shell.info=true"));

    QProcess crashed;
    crashed.setProcessEnvironment(env);
    crashed.setProcessChannelMode(QProcess::MergedChannels);
    crashed.start(QStringLiteral(CORVANA_PATH), {});
    QByteArray crashedOutput;
    QVERIFY2(waitForLine(crashed, "login dialog shown", &crashedOutput), crashedOutput.constData());
    // Killed outright: its lock file and its socket stay behind.
    crashed.kill();
    QVERIFY(crashed.waitForFinished(10000));

    QProcess next;
    next.setProcessEnvironment(env);
    next.setProcessChannelMode(QProcess::MergedChannels);
    next.start(QStringLiteral(CORVANA_PATH), {});
    QByteArray nextOutput;
    QVERIFY2(waitForLine(next, "first instance", &nextOutput), nextOutput.constData());
    QVERIFY2(waitForLine(next, "login dialog shown", &nextOutput), nextOutput.constData());
    next.terminate();
    QVERIFY(next.waitForFinished(10000));
}

void ProgramTest::signsInAndReachesTheMainWindow()
{
    ServiceProcess service;
    QVERIFY(service.start(QStringLiteral(CVSERVICE_PATH)));
    QTemporaryDir shots;

    QProcess client;
    client.setProcessChannelMode(QProcess::MergedChannels);
    client.start(QStringLiteral(CORVANA_TOUR_PATH), { QStringLiteral("--screenshots"), shots.path() });
    QByteArray output;
    QVERIFY2(waitForLine(client, "tour main-shown", &output), output.constData());
    QVERIFY(client.waitForFinished(30000));
    QCOMPARE(client.exitStatus(), QProcess::NormalExit);
    QCOMPARE(client.exitCode(), 0);
    QVERIFY(QFile::exists(shots.filePath(QStringLiteral("login.png"))));
    QVERIFY(QFile::exists(shots.filePath(QStringLiteral("main-window.png"))));
}

QTEST_GUILESS_MAIN(ProgramTest)
#include "ProgramTest.moc"
