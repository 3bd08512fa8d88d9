#include "core/session/SavedAccountTable.h"

#include "core/service/ResultText.h"
#include "core/session/PrivateProfile.h"

#include <map>
#include <string>

namespace {

constexpr const char* kSystem = "system";

std::string userSection(int number)
{
    return "user" + std::to_string(number);
}

// The numbers n of the "user<n>" sections the profile holds, ascending. Reading only
// these gives the same table as probing 0 .. usercount-1 one by one, without spinning
// through a hand-edited usercount of two billion.
std::map<int, std::string> userSections(const PrivateProfile& profile, int userCount)
{
    std::map<int, std::string> sections;
    for (const std::string& name : profile.sectionNames()) {
        if (name.size() < 5 || name.size() > 14)
            continue;
        std::string prefix = name.substr(0, 4);
        for (char& c : prefix)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        const std::string digits = name.substr(4);
        if (prefix != "user" || digits.find_first_not_of("0123456789") != std::string::npos)
            continue;
        // "user01" is not the section "user1" names.
        const int number = ResultText::leadingDigits(digits);
        if (number < userCount && std::to_string(number) == digits)
            sections.emplace(number, name);
    }
    return sections;
}

} // namespace

const SavedAccount& SavedAccountTable::record(int index) const
{
    return m_records.at(static_cast<std::size_t>(index));
}

SavedAccount& SavedAccountTable::record(int index)
{
    return m_records.at(static_cast<std::size_t>(index));
}

bool SavedAccountTable::hasCurrent() const
{
    return m_currentIndex >= 0 && m_currentIndex < m_count;
}

SavedAccount* SavedAccountTable::current()
{
    return hasCurrent() ? &m_records[static_cast<std::size_t>(m_currentIndex)] : nullptr;
}

const SavedAccount* SavedAccountTable::current() const
{
    return hasCurrent() ? &m_records[static_cast<std::size_t>(m_currentIndex)] : nullptr;
}

LoginPrefill SavedAccountTable::load(const PrivateProfile& profile, bool changeUser)
{
    m_records.fill(SavedAccount {});
    m_currentIndex = profile.readInt(kSystem, "currentuser", 0);
    const int userCount = profile.readInt(kSystem, "usercount", 0);
    m_count = 0;

    LoginPrefill prefill;
    for (const auto& [number, section] : userSections(profile, userCount)) {
        if (m_count == kCapacity)
            break;
        const std::string account
            = ResultText::cut(profile.readString(section, "regphoneid"), SavedAccount::kTextBytes);
        if (account.empty())
            continue;
        SavedAccount& entry = m_records[static_cast<std::size_t>(m_count)];
        entry.regphoneid = account;
        entry.regphonepd = ResultText::cut(profile.readString(section, "regphonepd"), SavedAccount::kTextBytes);
        entry.rempd = profile.readInt(section, "rempd", 0);
        entry.autologin = profile.readInt(section, "autologin", 0);
        entry.exitormin = profile.readInt(section, "exitormin", 0);
        entry.nevershow = profile.readInt(section, "nevershow", 0);
        prefill.accounts.push_back(account);
        ++m_count;
    }

    const SavedAccount* selected = current();
    if (!selected)
        return prefill;
    prefill.selectedAccount = m_currentIndex;
    if (selected->rempd == 1) {
        prefill.rememberPassword = true;
        prefill.password = selected->regphonepd;
    }
    if (selected->autologin == 1) {
        prefill.autoLogin = true;
        // The attempt uses what the password box holds, which stays empty when the
        // password is not remembered; the service then refuses it.
        prefill.startSignInNow = !changeUser && !selected->regphoneid.empty() && !selected->regphonepd.empty();
    }
    return prefill;
}

void SavedAccountTable::recordAttempt(
    std::string_view account, std::string_view password, bool rememberPassword, bool autoLogin)
{
    const std::string typedAccount = ResultText::cut(account, SavedAccount::kTextBytes);
    int index = 0;
    while (index < m_count && m_records[static_cast<std::size_t>(index)].regphoneid != typedAccount)
        ++index;
    if (index == m_count) {
        if (m_count < kCapacity)
            ++m_count;
        else
            index = kCapacity - 1; // a full table gives up its last record
    }
    SavedAccount& entry = m_records[static_cast<std::size_t>(index)];
    if (entry.regphoneid != typedAccount) {
        // A fresh or replaced record must not inherit the previous account's data.
        entry = SavedAccount {};
        entry.regphoneid = typedAccount;
    }
    entry.autologin = autoLogin ? 1 : 0;
    entry.rempd = rememberPassword ? 1 : 0;
    if (rememberPassword)
        entry.regphonepd = ResultText::cut(password, SavedAccount::kTextBytes);
    m_currentIndex = index;
}

bool SavedAccountTable::save(PrivateProfile& profile, std::string_view signedInAccount) const
{
    const SavedAccount* first = current();
    if (!first)
        return false;

    const auto writeAccount = [&profile](const std::string& section, const SavedAccount& entry) {
        profile.writeString(section, "regphoneid", entry.regphoneid);
        // Every account writes its own password text, even when it is not remembered:
        // leaving the key out would let the account inherit the password of whatever
        // account held this section number before.
        profile.writeString(section, "regphonepd", entry.regphonepd);
        profile.writeInt(section, "rempd", entry.rempd);
        profile.writeInt(section, "autologin", entry.autologin);
        profile.writeInt(section, "exitormin", entry.exitormin);
        profile.writeInt(section, "nevershow", entry.nevershow);
    };

    writeAccount(userSection(0), *first);
    int next = 1;
    for (int j = 0; j < m_count; ++j) {
        const SavedAccount& entry = m_records[static_cast<std::size_t>(j)];
        if (j == m_currentIndex || entry.regphoneid == signedInAccount)
            continue;
        writeAccount(userSection(next), entry);
        ++next;
    }
    profile.writeInt(kSystem, "currentuser", 0);
    profile.writeInt(kSystem, "usercount", next);
    return true;
}
