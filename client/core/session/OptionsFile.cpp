#include "core/session/OptionsFile.h"

#include "core/session/PrivateProfile.h"
#include "core/session/SavedAccountTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

OptionsFile::OptionsFile(QString path)
    : m_path(std::move(path))
{
}

QString OptionsFile::defaultDirectory()
{
    const QString overridden = qEnvironmentVariable("CORVANA_OPTIONS_DIR");
    if (!overridden.isEmpty())
        return overridden;
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/corvana");
}

QString OptionsFile::defaultPath()
{
    return defaultDirectory() + QLatin1Char('/') + QLatin1String(kFileName);
}

LoginPrefill OptionsFile::load(SavedAccountTable& table, bool changeUser) const
{
    PrivateProfile profile;
    // An unreadable file reads like a missing one: no saved accounts.
    profile.load(m_path);
    return table.load(profile, changeUser);
}

bool OptionsFile::save(const SavedAccountTable& table, std::string_view signedInAccount, QString* error) const
{
    PrivateProfile profile;
    if (!profile.load(m_path)) {
        // Rewriting a file we could not read would lose what it holds besides the accounts.
        if (error)
            *error = QCoreApplication::translate("OptionsFile", "无法读取 %1").arg(m_path);
        return false;
    }
    if (!table.save(profile, signedInAccount)) {
        if (error)
            *error = QCoreApplication::translate("OptionsFile", "没有要保存的帐号");
        return false;
    }
    return profile.save(m_path, error);
}
