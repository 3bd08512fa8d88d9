// The updater program as the client starts it.

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

class UpdaterProgramTest : public QObject {
    Q_OBJECT

private slots:
    void withoutAListItEndsAtOnceWithoutAWindow_data();
    void withoutAListItEndsAtOnceWithoutAWindow();
    void reportsTheProjectVersion();
};

void UpdaterProgramTest::withoutAListItEndsAtOnceWithoutAWindow_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no argument") << QStringList();
    QTest::newRow("empty argument") << QStringList { QString() };
}

void UpdaterProgramTest::withoutAListItEndsAtOnceWithoutAWindow()
{
    QFETCH(QStringList, arguments);
    QProcess updater;
    // A platform that does not exist: any attempt at a window would abort the program.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
    updater.setProcessEnvironment(env);
    updater.start(QStringLiteral(UPDATER_PATH), arguments);
    QVERIFY(updater.waitForFinished(5000));
    QCOMPARE(updater.exitStatus(), QProcess::NormalExit);
    QCOMPARE(updater.exitCode(), 0);
    QVERIFY(updater.readAllStandardError().isEmpty());
}

void UpdaterProgramTest::reportsTheProjectVersion()
{
    QProcess updater;
    updater.start(QStringLiteral(UPDATER_PATH), { QStringLiteral("--version") });
    QVERIFY(updater.waitForFinished(5000));
    QCOMPARE(updater.readAllStandardOutput().trimmed(), QByteArray("updater " PROJECT_VERSION));
}

QTEST_GUILESS_MAIN(UpdaterProgramTest)
#include "UpdaterProgramTest.moc"
