#pragma once

#include "core/session/LoginPrefill.h"

#include <QString>

#include <string_view>

class SavedAccountTable;

// The options file "cvoptions.dat" of saved accounts and preferences. It lives in
// $CORVANA_OPTIONS_DIR when set, else in $XDG_CONFIG_HOME/corvana (~/.config/corvana).
class OptionsFile {
public:
    static constexpr const char* kFileName = "cvoptions.dat";

    explicit OptionsFile(QString path = defaultPath());
    virtual ~OptionsFile() = default;

    static QString defaultDirectory();
    static QString defaultPath();
    const QString& path() const { return m_path; }

    // Called when the login window opens: fills the table from the file (missing file:
    // no accounts) and says what the window shows.
    LoginPrefill load(SavedAccountTable& table, bool changeUser) const;

    // Called when a sign-in has completed. Writes the file from the table; the rest of
    // the file is kept. Returns false and sets *error when the file could not be
    // written (the old file is then left whole) or no account is current.
    bool save(const SavedAccountTable& table, std::string_view signedInAccount, QString* error = nullptr) const;

private:
    QString m_path;
};
