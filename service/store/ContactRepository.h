#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace cvservice {

class Database;

struct Contact {
    std::int64_t addressno = 0;
    std::string owner;
    std::string name;
    std::string phone;
    int sex = 1;
    std::string email;
    std::int64_t groupid = 0; // contact group, 0 when none
    std::string groupname;
};

class ContactRepository {
public:
    explicit ContactRepository(Database& db);

    std::int64_t add(const Contact& contact);
    std::optional<Contact> find(const std::string& owner, std::int64_t addressno) const;
    void update(const Contact& contact);
    void remove(const std::string& owner, std::int64_t addressno);

    // Every contact with its contact group, in the order they were added.
    std::vector<Contact> list(const std::string& owner) const;

private:
    Database& m_db;
};

} // namespace cvservice
