#pragma once

#include "core/session/OptionsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtGlobal>

namespace corvana::test {

// A test that reads or writes the options file holds one of these: the file then
// lives in a folder of the test's own, also when the test runs outside CTest, and
// a test that would still reach the user's real folder stops before touching it.
class PrivateOptionsDir {
public:
    PrivateOptionsDir()
    {
        qputenv("CORVANA_OPTIONS_DIR", m_folder.path().toUtf8());
        refuseTheRealFolder();
    }

    QString path() const { return m_folder.path(); }

    static void refuseTheRealFolder()
    {
        const QString real = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                                 .filePath(QStringLiteral("corvana"));
        if (QFileInfo(OptionsFile::defaultDirectory()).absoluteFilePath() == QFileInfo(real).absoluteFilePath())
            qFatal("This test would write the user's own options file in %s; refusing to run.", qPrintable(real));
    }

private:
    QTemporaryDir m_folder;
};

} // namespace corvana::test
