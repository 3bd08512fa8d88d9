#include "shell/ClientApp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ClientApp::setUp(app);
    return ClientApp().run();
}
