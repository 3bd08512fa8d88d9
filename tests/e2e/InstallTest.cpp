// Corvana installed as a user installs it (`cmake --install` into a temporary prefix):
// the layout, the desktop files as the desktop's own validators see them, and the
// whole update: the version check offers a new version, the updater replaces the
// program's files from the service and starts the (new) client again.

#include "ServiceProcess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class InstallTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void theProgramsShareOneFolderAndStartFromBin();
    void theDesktopFilesPassTheirValidators();
    void anOfferedUpdateReplacesTheFilesAndRestartsTheClient();

private:
    QString installed(const QString& path) const { return QDir(m_prefix.path()).filePath(path); }
    static QByteArray run(const QString& program, const QStringList& arguments, int* exitCode);
    static QByteArray readAll(const QString& path);

    QTemporaryDir m_prefix;
};

QByteArray InstallTest::run(const QString& program, const QStringList& arguments, int* exitCode)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        *exitCode = -1;
    } else {
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    return process.readAll();
}

QByteArray InstallTest::readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void InstallTest::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    int code = 0;
    const QByteArray output = run(QStringLiteral(CMAKE_COMMAND),
        { QStringLiteral("--install"), QStringLiteral(BUILD_DIR), QStringLiteral("--prefix"), m_prefix.path() }, &code);
    QVERIFY2(code == 0, output.constData());
}

void InstallTest::theProgramsShareOneFolderAndStartFromBin()
{
    for (const char* program : { "corvana", "updater", "cvctl" }) {
        const QFileInfo info(installed(QStringLiteral("lib/corvana/%1").arg(QLatin1String(program))));
        QVERIFY2(info.isFile() && info.isExecutable(), program);
    }
    QVERIFY(QFileInfo(installed(QStringLiteral("lib/corvana/libcvsrv.so"))).isFile());
    for (const char* launcher : { "corvana", "cvctl" }) {
        const QFileInfo link(installed(QStringLiteral("bin/%1").arg(QLatin1String(launcher))));
        QVERIFY2(link.isSymLink(), launcher);
        QCOMPARE(link.canonicalFilePath(),
            QFileInfo(installed(QStringLiteral("lib/corvana/%1").arg(QLatin1String(launcher)))).canonicalFilePath());
    }
    // The launcher finds the library in the program folder, not in the build tree.
    int code = 0;
    const QByteArray help = run(installed(QStringLiteral("bin/cvctl")), { QStringLiteral("--help") }, &code);
    QVERIFY2(code == 0, help.constData());
    const QByteArray libraries
        = run(QStringLiteral("ldd"), { installed(QStringLiteral("lib/corvana/corvana")) }, &code);
    QVERIFY2(libraries.contains(installed(QStringLiteral("lib/corvana/libcvsrv.so")).toUtf8()), libraries.constData());
}

void InstallTest::theDesktopFilesPassTheirValidators()
{
    const QString desktop = installed(QStringLiteral("share/applications/com.example.corvana.desktop"));
    const QByteArray entry = readAll(desktop);
    QVERIFY(entry.contains("\nName=Corvana\n"));
    QVERIFY(entry.contains(QStringLiteral("\nName[zh_CN]=Corvana 电话会议\n").toUtf8()));
    QVERIFY(entry.contains("\nCategories=Network;Telephony;\n"));
    QVERIFY(entry.contains("\nExec=" + installed(QStringLiteral("bin/corvana")).toUtf8() + "\n"));
    QVERIFY(entry.contains("\nIcon=com.example.corvana\n"));
    QVERIFY(QFile::exists(installed(QStringLiteral("share/icons/hicolor/scalable/apps/com.example.corvana.svg"))));

    int code = 0;
    QByteArray output = run(QStringLiteral("desktop-file-validate"), { desktop }, &code);
    QVERIFY2(code == 0 && output.trimmed().isEmpty(), output.constData());
    output = run(QStringLiteral("appstreamcli"),
        { QStringLiteral("validate"), QStringLiteral("--no-net"),
            installed(QStringLiteral("share/metainfo/com.example.corvana.metainfo.xml")) },
        &code);
    QVERIFY2(code == 0, output.constData());
}

void InstallTest::anOfferedUpdateReplacesTheFilesAndRestartsTheClient()
{
    // The new version on the service: a client that records where it started, and a note.
    QTemporaryDir updates;
    QFile client(QDir(updates.path()).filePath(QStringLiteral("corvana")));
    QVERIFY(client.open(QIODevice::WriteOnly));
    client.write("#!/bin/sh\npwd > restarted.txt\n");
    client.close();
    QFile note(QDir(updates.path()).filePath(QStringLiteral("version.txt")));
    QVERIFY(note.open(QIODevice::WriteOnly));
    note.write("1.0.9\n");
    note.close();

    ServiceProcess service;
    QVERIFY(service.start(QStringLiteral(CVSERVICE_PATH),
        { QStringLiteral("--updates"), updates.path(), QStringLiteral("--latest-version"), QStringLiteral("1009") }));

    // The signed-in program that asks: the tour, placed in the program folder as the
    // client is, so it starts the installed updater.
    const QString folder = installed(QStringLiteral("lib/corvana"));
    const QString tour = QDir(folder).filePath(QStringLiteral("corvana-tour"));
    QFile::remove(tour);
    QVERIFY(QFile::copy(QStringLiteral(CORVANA_TOUR_PATH), tour));
    const QString notices = installed(QStringLiteral("notices.txt"));

    QProcess asking;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CORVANA_UPDATER_NOTICES"), notices);
    // Saved accounts and the single-instance socket of its own, however the test is run.
    QTemporaryDir home;
    QVERIFY(
        QFile::setPermissions(home.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    env.insert(QStringLiteral("CORVANA_OPTIONS_DIR"), home.filePath(QStringLiteral("options")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    asking.setProcessEnvironment(env);
    asking.setProcessChannelMode(QProcess::MergedChannels);
    asking.start(tour, { QStringLiteral("--upgrade") });
    // Taking up the offer ends the program.
    QVERIFY(asking.waitForFinished(60000));
    const QByteArray output = asking.readAll();
    QVERIFY2(output.contains("tour version-check"), output.constData());
    QCOMPARE(asking.exitCode(), 0);

    const QString restarted = QDir(folder).filePath(QStringLiteral("restarted.txt"));
    QTRY_VERIFY2_WITH_TIMEOUT(QFile::exists(restarted), output.constData(), 30000);
    QCOMPARE(QDir(QString::fromUtf8(readAll(restarted).trimmed())).canonicalPath(), QDir(folder).canonicalPath());
    QCOMPARE(readAll(notices), QStringLiteral("提示！\t升级完毕！\n").toUtf8());
    QCOMPARE(readAll(QDir(folder).filePath(QStringLiteral("version.txt"))), QByteArray("1.0.9\n"));
    // The replaced client is the new one, and still a program.
    QCOMPARE(readAll(QDir(folder).filePath(QStringLiteral("corvana"))), QByteArray("#!/bin/sh\npwd > restarted.txt\n"));
    QVERIFY(QFileInfo(QDir(folder).filePath(QStringLiteral("corvana"))).isExecutable());
}

QTEST_GUILESS_MAIN(InstallTest)
#include "InstallTest.moc"
