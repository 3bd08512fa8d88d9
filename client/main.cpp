#include "ui/ClientApp.h"

#include "skin/Theme.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("corvana"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.8"));
    // The main window is hidden between sign-ins and while in the notification area.
    QApplication::setQuitOnLastWindowClosed(false);
    skin::Theme::apply(app);
    return ClientApp().run(QApplication::arguments());
}
