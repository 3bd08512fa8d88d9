#include "demo/ScreenshotTour.h"

#include "shell/ClientApp.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>

#include <memory>

// corvana-tour: the real program, signed in with the demo account by the tour
// instead of a user. Used by the demo without a display, the screenshots script and
// the start-up benchmark; never shipped as the client.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ClientApp::setUp(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Signs in with the demo account, reports its steps and ends."));
    parser.addHelpOption();
    const QCommandLineOption folderOption(
        QStringLiteral("screenshots"), QStringLiteral("Save screenshots into DIR."), QStringLiteral("DIR"));
    const QCommandLineOption galleryOption(
        QStringLiteral("gallery"), QStringLiteral("With --screenshots: every other window too."));
    const QCommandLineOption upgradeOption(
        QStringLiteral("upgrade"), QStringLiteral("Once signed in, check the version and accept an upgrade."));
    parser.addOptions({ folderOption, galleryOption, upgradeOption });
    parser.process(app);

    std::unique_ptr<ScreenshotTour> tour;
    return ClientApp().run([&](MainWindow& mainWindow) {
        tour = std::make_unique<ScreenshotTour>(&mainWindow, parser.value(folderOption), parser.isSet(galleryOption));
        tour->setUpgrade(parser.isSet(upgradeOption));
    });
}
