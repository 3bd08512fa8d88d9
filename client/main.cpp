#include "shell/ClientApp.h"

#include "resources/Translations.h"
#include "skin/Theme.h"

#include "CorvanaVersion.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("corvana"));
    QApplication::setApplicationVersion(QString::fromLatin1(corvana::version::kText));
    // The main window is hidden between sign-ins and while in the notification area.
    QApplication::setQuitOnLastWindowClosed(false);
    skin::Theme::apply(app);
    corvana::installTranslation();
    return ClientApp().run();
}
