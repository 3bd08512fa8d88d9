#pragma once

#include "store/Account.h"

#include <optional>
#include <string>

namespace cvservice {

class Database;

class AccountRepository {
public:
    explicit AccountRepository(Database& db);

    bool hasAny() const;
    std::optional<Account> find(const std::string& regphoneid) const;
    std::optional<std::string> password(const std::string& regphoneid) const;

    // Inserts a new account; its client number is chosen here.
    void create(Account account);
    void saveProfile(const Account& account);
    void setMeetCall(const std::string& regphoneid, const std::string& meetcall);
    void setMessageSender(const std::string& regphoneid, const std::string& sender);
    void setPassword(const std::string& regphoneid, const std::string& password);
    void setIpAddress(const std::string& regphoneid, const std::string& ipaddress);
    void setRoomPasswords(const std::string& regphoneid, const std::string& chair, const std::string& participant);

    // Takes amount from the balance only when it is there; false leaves it unchanged.
    bool debit(const std::string& regphoneid, std::int64_t amount);
    // Takes amount even into the red: for calls that have already happened.
    void charge(const std::string& regphoneid, std::int64_t amount);
    void credit(const std::string& regphoneid, std::int64_t amount);
    // Moves amount between two accounts and records it, all or nothing; false when
    // the paying account does not hold the amount.
    bool transfer(const std::string& from, const std::string& to, std::int64_t amount, const std::string& remark);

private:
    Database& m_db;
};

} // namespace cvservice
