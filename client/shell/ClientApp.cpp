#include "shell/ClientApp.h"

#include "shell/MainWindow.h"

#include "core/session/SessionState.h"
#include "core/session/SingleInstance.h"
#include "resources/Translations.h"
#include "skin/Theme.h"

#include "CorvanaVersion.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QTimer>

namespace {

// Quiet unless QT_LOGGING_RULES turns it on ("corvana.shell.info=true"); tests
// watch a running program through it.
Q_LOGGING_CATEGORY(lcShell, "corvana.shell", QtWarningMsg)

} // namespace

void ClientApp::setUp(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("corvana"));
    QApplication::setApplicationVersion(QString::fromLatin1(corvana::version::kText));
    // The main window is hidden between sign-ins and while in the notification area.
    QApplication::setQuitOnLastWindowClosed(false);
    skin::Theme::apply(app);
    corvana::installTranslation();
}

int ClientApp::run(const StartHook& beforeStart)
{
    SingleInstance instance;
    if (!instance.claim())
        return 0;
    qCInfo(lcShell) << "first instance";

    SessionState session;
    MainWindow mainWindow(session);
    QObject::connect(&instance, &SingleInstance::activationRequested, &mainWindow, [&mainWindow] {
        qCInfo(lcShell) << "asked to come to the front";
        mainWindow.bringToFront();
    });
    QObject::connect(&mainWindow, &QDialog::finished, qApp, [] { QCoreApplication::exit(0); });
    QObject::connect(
        &mainWindow, &MainWindow::loginStarted, &mainWindow, [] { qCInfo(lcShell) << "login dialog shown"; });
    if (beforeStart)
        beforeStart(mainWindow);

    QTimer::singleShot(0, &mainWindow, &MainWindow::start);
    return QApplication::exec();
}
