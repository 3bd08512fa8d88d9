#include "ui/ClientApp.h"

#include "ui/MainWindow.h"
#include "ui/ScreenshotTour.h"

#include "app/SessionState.h"
#include "app/SingleInstance.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLoggingCategory>
#include <QTimer>

#include <memory>

namespace {

// Quiet unless QT_LOGGING_RULES turns it on ("corvana.shell.info=true"); tests
// watch a running program through it.
Q_LOGGING_CATEGORY(lcShell, "corvana.shell", QtWarningMsg)

} // namespace

int ClientApp::run(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption tourOption(QStringLiteral("screenshot-tour"),
        QStringLiteral("Sign in with the demo account, save screenshots into DIR, end."), QStringLiteral("DIR"));
    const QCommandLineOption galleryOption(
        QStringLiteral("gallery"), QStringLiteral("With --screenshot-tour: every other window too."));
    const QCommandLineOption timingOption(
        QStringLiteral("timing-tour"), QStringLiteral("Sign in with the demo account and report the timings."));
    parser.addOptions({ tourOption, galleryOption, timingOption });
    parser.parse(arguments);

    SingleInstance instance;
    if (!instance.claim())
        return 0;
    qCInfo(lcShell) << "first instance";

    MainWindow mainWindow(SessionState::instance());
    QObject::connect(&instance, &SingleInstance::activationRequested, &mainWindow, [&mainWindow] {
        qCInfo(lcShell) << "asked to come to the front";
        mainWindow.bringToFront();
    });
    QObject::connect(&mainWindow, &QDialog::finished, qApp, [] { QCoreApplication::exit(0); });

    std::unique_ptr<ScreenshotTour> tour;
    if (parser.isSet(tourOption) || parser.isSet(timingOption))
        tour = std::make_unique<ScreenshotTour>(&mainWindow, parser.value(tourOption), parser.isSet(galleryOption));

    QTimer::singleShot(0, &mainWindow, &MainWindow::start);
    return QApplication::exec();
}
