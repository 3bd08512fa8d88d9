#pragma once

#include "store/ContactRepository.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace cvservice {

class Database;

enum class GroupKind { Contact, Conference };

struct Group {
    std::int64_t id = 0;
    std::string name;
};

// Contact groups and conference groups share one shape and differ in one rule: a
// contact sits in at most one contact group (a UNIQUE column enforces it), but in
// any number of conference groups. Group names are unique per owner, in the store's
// constraints as well as in the operations' checks.
class GroupRepository {
public:
    GroupRepository(Database& db, GroupKind kind);

    std::vector<Group> list(const std::string& owner) const;
    std::optional<Group> find(const std::string& owner, std::int64_t id) const;
    bool nameTaken(const std::string& owner, const std::string& name, std::int64_t except) const;
    std::int64_t count(const std::string& owner) const;

    // Nothing (or false) when the owner has a group of that name already.
    std::optional<std::int64_t> add(const std::string& owner, const std::string& name);
    bool rename(const std::string& owner, std::int64_t id, const std::string& name);
    void remove(const std::string& owner, std::int64_t id);

    std::vector<Contact> members(std::int64_t id) const;
    bool isMember(std::int64_t id, std::int64_t addressno) const;
    bool inAnyGroup(std::int64_t addressno) const;
    void addMember(std::int64_t id, std::int64_t addressno);
    void removeMember(std::int64_t id, std::int64_t addressno);

    // The owner's contacts that belong to no group of this kind.
    std::vector<Contact> notInAny(const std::string& owner) const;

private:
    Database& m_db;
    std::string m_groups;
    std::string m_members;
};

} // namespace cvservice
