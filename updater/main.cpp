#include "DownloadSettings.h"
#include "FinishActions.h"
#include "UpdaterDialog.h"

#include "CorvanaVersion.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

// updater DOWNLOAD-LIST: replaces the files of its own folder with those of the
// ";"-separated URL list and starts the client again. Without a list there is
// nothing to do and no window. The exit status is 0 whatever happened: the client
// learns the outcome at its next version check.
int main(int argc, char** argv)
{
    if (argc < 2 || argv[1][0] == '\0')
        return 0;
    // No URL starts with "--", so this cannot shadow a download list.
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("updater %s\n", corvana::version::kText);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("updater"));
    QApplication::setApplicationVersion(QString::fromLatin1(corvana::version::kText));
    const QString list = QApplication::arguments().value(1);

    DownloadSettings settings;
    // Our own folder, not the working directory: the files to replace sit beside us.
    settings.folder = QApplication::applicationDirPath().toStdString();
    UpdaterDialog dialog(list.toStdString(), settings, FinishActions::standard());
    dialog.show();
    dialog.start();
    app.exec();
    return 0;
}
