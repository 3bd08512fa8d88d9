// The updater's window against a local HTTP server: its face, the creeping bar, and
// the finish sequence (message, client started from the folder, end) however it is
// reached.

#include "UpdaterDialog.h"
#include "FakeSoapServer.h"

#include "skin/CButtonPNG.h"
#include "skin/CTransparentStatic.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <memory>

using corvana::test::CannedReply;
using corvana::test::FakeSoapServer;
using corvana::test::RecordedRequest;

class UpdaterDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void theFace();
    void theBarCreepsToNinetyNineAndStops();
    void finishSaysHowItWentAndStartsTheClient_data();
    void finishSaysHowItWentAndStartsTheClient();
    void enterFinishesAtOnceWhileFilesAreStillComing();
    void escapeAndCloseDoNothing();

private:
    std::unique_ptr<UpdaterDialog> dialog(const QString& list, long timeoutMs = 2000, QString folder = {});
    QString url(const QString& path) const;
    bool writeStandInClient() const;

    std::unique_ptr<FakeSoapServer> m_server;
    std::unique_ptr<QTemporaryDir> m_folder;
    // What the finish sequence did, in order: "notify <title> <text>", "start <program> <folder>", "end".
    QStringList m_steps;
};

void UpdaterDialogTest::initTestCase()
{
    qputenv("no_proxy", "127.0.0.1");
    m_server = std::make_unique<FakeSoapServer>();
    m_server->setHandler([](const RecordedRequest& request) {
        if (request.requestLine.find(" /slow ") != std::string::npos) {
            CannedReply slow = CannedReply::ok(std::string(8000, 'x'));
            slow.trickleBytes = 500;
            slow.trickleInterval = std::chrono::milliseconds(300);
            return slow;
        }
        if (request.requestLine.find(" /missing ") != std::string::npos) {
            CannedReply missing = CannedReply::ok("");
            missing.status = 404;
            missing.reason = "Not Found";
            return missing;
        }
        return CannedReply::ok("new " + request.requestLine.substr(4, request.requestLine.find(' ', 4) - 4));
    });
}

void UpdaterDialogTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_steps.clear();
}

QString UpdaterDialogTest::url(const QString& path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server->port()).arg(path);
}

std::unique_ptr<UpdaterDialog> UpdaterDialogTest::dialog(const QString& list, long timeoutMs, QString folder)
{
    if (folder.isEmpty())
        folder = m_folder->path();
    FinishActions actions = FinishActions::standard();
    const auto startClient = actions.startClient;
    actions.notify = [this](QWidget* owner, const QString& text, const QString& title) {
        QVERIFY(owner);
        m_steps << QStringLiteral("notify %1 %2").arg(title, text);
    };
    actions.startClient = [this, startClient](const QString& program, const QString& folder) {
        m_steps << QStringLiteral("start %1 %2").arg(program, folder);
        return startClient(program, folder);
    };
    actions.end = [this] { m_steps << QStringLiteral("end"); };
    DownloadSettings settings { folder.toStdString(), timeoutMs };
    return std::make_unique<UpdaterDialog>(list.toStdString(), settings, actions);
}

// A stand-in client: records the folder it was started in.
bool UpdaterDialogTest::writeStandInClient() const
{
    QFile script(m_folder->filePath(QStringLiteral("corvana")));
    if (!script.open(QIODevice::WriteOnly))
        return false;
    script.write("#!/bin/sh\npwd > started.txt\n");
    script.close();
    return script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
}

void UpdaterDialogTest::theFace()
{
    const auto window = dialog(url(QStringLiteral("/a")));
    QCOMPARE(window->windowTitle(), QStringLiteral("Corvana 升级程序"));
    QCOMPARE(window->size(), CDialogEx::fromDialogUnits(320, 76));
    QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
    window->show();

    const auto* text = window->findChild<CTransparentStatic*>(QStringLiteral("statusText"));
    QVERIFY(text);
    QCOMPARE(text->text(), QStringLiteral("系统正在升级，请稍候..."));
    const auto* bar = window->findChild<QProgressBar*>(QStringLiteral("progressBar"));
    QVERIFY(bar);
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 100);
    QCOMPARE(bar->value(), 0);
    const auto* ok = window->findChild<CButtonPNG*>(QStringLiteral("okButton"));
    QVERIFY(ok && ok->isVisible());
    QCOMPARE(ok->text(), QStringLiteral("确定"));
    const auto* cancel = window->findChild<CButtonPNG*>(QStringLiteral("cancelButton"));
    QVERIFY(cancel && !cancel->isVisible());
    QCOMPARE(cancel->text(), QStringLiteral("取消"));
    QVERIFY(!window->findChild<CButtonPNG*>(QStringLiteral("closeButton"))->isVisible());
    QVERIFY(window->findChild<CButtonPNG*>(QStringLiteral("iconButton"))->isVisible());

    // The face below the band is the brand blue.
    const QImage face = window->grab().toImage();
    QCOMPARE(face.pixelColor(4, face.height() - 4), QColor(93, 185, 255));
}

void UpdaterDialogTest::theBarCreepsToNinetyNineAndStops()
{
    const auto window = dialog(url(QStringLiteral("/slow")));
    QCOMPARE(UpdaterDialog::kTimerPeriodMs, 700);
    for (int i = 0; i < 150; ++i)
        window->creep();
    QCOMPARE(window->position(), 99);

    window->start();
    QVERIFY(window->timerRunning());
    window->finish();
    QVERIFY(!window->timerRunning());
}

void UpdaterDialogTest::finishSaysHowItWentAndStartsTheClient_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<QString>("message");

    const QString done = QStringLiteral("升级完毕！");
    const QString unfinished = QStringLiteral("升级未完成，请稍后重试。");
    QTest::newRow("every file arrived") << QStringList { QStringLiteral("/v2/a.txt"), QStringLiteral("/v2/b.txt") }
                                        << true << done;
    QTest::newRow("one file missing") << QStringList { QStringLiteral("/v2/a.txt"), QStringLiteral("/missing") } << true
                                      << unfinished;
    QTest::newRow("folder not writable") << QStringList { QStringLiteral("/v2/a.txt") } << false << unfinished;
}

void UpdaterDialogTest::finishSaysHowItWentAndStartsTheClient()
{
    QFETCH(QStringList, paths);
    QFETCH(bool, folderWritable);
    QFETCH(QString, message);

    QVERIFY(writeStandInClient());
    QStringList urls;
    for (const QString& path : paths)
        urls << url(path);
    // Root may write anywhere; a folder that is not there fails for everyone.
    const QString folder = folderWritable ? m_folder->path() : m_folder->filePath(QStringLiteral("gone"));
    const auto updater = dialog(urls.join(QLatin1Char(';')) + QLatin1Char(';'), 2000, folder);
    updater->show();
    updater->start();

    QTRY_COMPARE_WITH_TIMEOUT(m_steps.size(), 3, 10000);
    QCOMPARE(m_steps.at(0), QStringLiteral("notify 提示！ %1").arg(message));
    const QString program = QDir(folder).filePath(QStringLiteral("corvana"));
    QCOMPARE(m_steps.at(1), QStringLiteral("start %1 %2").arg(program, folder));
    QCOMPARE(m_steps.at(2), QStringLiteral("end"));
    QVERIFY(!updater->timerRunning());
    if (message == QStringLiteral("升级完毕！")) {
        QFile a(m_folder->filePath(QStringLiteral("a.txt")));
        QVERIFY(a.open(QIODevice::ReadOnly));
        QCOMPARE(a.readAll(), QByteArray("new /v2/a.txt"));
    }
    // The stand-in client ran, in its own folder.
    if (folderWritable) {
        QTRY_VERIFY(QFile::exists(m_folder->filePath(QStringLiteral("started.txt"))));
        QFile started(m_folder->filePath(QStringLiteral("started.txt")));
        QVERIFY(started.open(QIODevice::ReadOnly));
        QCOMPARE(QDir(QString::fromUtf8(started.readAll().trimmed())).canonicalPath(),
            QDir(m_folder->path()).canonicalPath());
    }
    // Only once.
    updater->finish();
    QCOMPARE(m_steps.size(), 3);
}

void UpdaterDialogTest::enterFinishesAtOnceWhileFilesAreStillComing()
{
    const auto window
        = dialog(url(QStringLiteral("/slow")) + QLatin1Char(';') + url(QStringLiteral("/v2/a.txt")), 5000);
    window->show();
    window->start();
    QVERIFY(m_server->waitForRequests(m_server->requestCount() + 1, std::chrono::seconds(5)));

    QElapsedTimer clock;
    clock.start();
    QTest::keyClick(window.get(), Qt::Key_Return);
    QCOMPARE(m_steps.size(), 3);
    QVERIFY(clock.elapsed() < 2000);
    QCOMPARE(m_steps.first(), QStringLiteral("notify 提示！ 升级未完成，请稍后重试。"));
    // What was given up left nothing behind.
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void UpdaterDialogTest::escapeAndCloseDoNothing()
{
    const auto window = dialog(url(QStringLiteral("/slow")), 5000);
    window->show();
    window->start();
    QTest::keyClick(window.get(), Qt::Key_Escape);
    window->close();
    window->reject();
    QVERIFY(window->isVisible());
    QVERIFY(!window->isFinished());
    QVERIFY(m_steps.isEmpty());

    window->findChild<CButtonPNG*>(QStringLiteral("okButton"))->click();
    QCOMPARE(m_steps.size(), 3);
}

QTEST_MAIN(UpdaterDialogTest)
#include "UpdaterDialogTest.moc"
