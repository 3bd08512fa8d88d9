#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Starts the updater program that sits next to our own executable, handing it the
// download list. The updater replaces our files, so it runs from (and in) the
// executable's folder and outlives us.
class UpdaterLauncher {
public:
    // Program, arguments, working folder; returns whether the program started.
    using StartFunction = std::function<bool(const QString&, const QStringList&, const QString&)>;

    // Empty when the updater was started, otherwise the text to show the user.
    static QString start(const QString& downloadList);

    static QString updaterPath();
    // The folder of our own executable, where the updater would write.
    static QString programFolder();
    // Whether the updater could replace our files: false in a system install, which the
    // package manager keeps up to date instead.
    static bool canUpdateInPlace();

    // Test seams: replace the real process start and the program folder (empty values
    // restore them).
    static void setStartFunction(StartFunction function);
    static void setProgramFolder(const QString& folder);
};
