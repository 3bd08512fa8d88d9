#pragma once

#include "core/session/LoginPrefill.h"
#include "core/session/SavedAccount.h"

#include <array>
#include <string_view>

class PrivateProfile;

// The in-memory mirror of the options file: up to 100 saved accounts in file order.
// Plain logic over a PrivateProfile so it is tested without a screen.
class SavedAccountTable {
public:
    static constexpr int kCapacity = 100;

    SavedAccountTable() = default;
    virtual ~SavedAccountTable() = default;

    int currentIndex() const { return m_currentIndex; }
    // The account the user chose in the login window.
    void setCurrentIndex(int index) { m_currentIndex = index; }
    int count() const { return m_count; }
    const SavedAccount& record(int index) const; // index in [0, kCapacity)
    SavedAccount& record(int index);
    // The record of the account in use, or nullptr when the current index is not a
    // record in use (for example after a hand-edited "currentuser").
    SavedAccount* current();
    const SavedAccount* current() const;

    // Fills the table from the profile and says what the login window shows.
    // Sections whose "regphoneid" is empty are skipped; accounts beyond the table's
    // capacity are ignored. changeUser: the window was opened by "更改用户", which
    // suppresses the automatic sign-in.
    LoginPrefill load(const PrivateProfile& profile, bool changeUser);

    // At the start of a sign-in attempt: finds or appends the typed account (a full
    // table replaces its last record) and makes it current. Longer texts are cut to
    // SavedAccount::kTextBytes.
    void recordAttempt(std::string_view account, std::string_view password, bool rememberPassword, bool autoLogin);

    // Writes the current record as "user0", the other accounts after it in table
    // order, then "system". Returns false (writing nothing) when no record is current.
    bool save(PrivateProfile& profile, std::string_view signedInAccount) const;

private:
    bool hasCurrent() const;

    int m_currentIndex = 0;
    int m_count = 0;
    std::array<SavedAccount, kCapacity> m_records {};
};
