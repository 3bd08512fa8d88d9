#include "store/GroupRepository.h"

#include "store/Database.h"
#include "store/StoreError.h"

namespace cvservice {

namespace {

// Runs a change that may meet the owner-and-name constraint; false when it did.
bool runUnlessDuplicate(Statement& change)
{
    try {
        change.run();
        return true;
    } catch (const StoreError& failure) {
        if (!failure.duplicate())
            throw;
        return false;
    }
}

std::vector<Contact> readMembers(Statement& query)
{
    std::vector<Contact> out;
    while (query.step()) {
        Contact c;
        c.addressno = query.integer(0);
        c.name = query.text(1);
        c.phone = query.text(2);
        out.push_back(std::move(c));
    }
    return out;
}

} // namespace

GroupRepository::GroupRepository(Database& db, GroupKind kind)
    : m_db(db)
    , m_groups(kind == GroupKind::Contact ? "contact_groups" : "conf_groups")
    , m_members(kind == GroupKind::Contact ? "contact_group_members" : "conf_group_members")
{
}

std::vector<Group> GroupRepository::list(const std::string& owner) const
{
    std::lock_guard lock(m_db.mutex());
    Statement query(m_db, "SELECT groupid, name FROM " + m_groups + " WHERE regphoneid = ? ORDER BY groupid");
    query.bind(1, owner);
    std::vector<Group> out;
    while (query.step())
        out.push_back({ query.integer(0), query.text(1) });
    return out;
}

std::optional<Group> GroupRepository::find(const std::string& owner, std::int64_t id) const
{
    std::lock_guard lock(m_db.mutex());
    Statement query(m_db, "SELECT groupid, name FROM " + m_groups + " WHERE regphoneid = ? AND groupid = ?");
    query.bind(1, owner).bind(2, id);
    if (!query.step())
        return std::nullopt;
    return Group { query.integer(0), query.text(1) };
}

bool GroupRepository::nameTaken(const std::string& owner, const std::string& name, std::int64_t except) const
{
    std::lock_guard lock(m_db.mutex());
    Statement query(
        m_db, "SELECT EXISTS (SELECT 1 FROM " + m_groups + " WHERE regphoneid = ? AND name = ? AND groupid <> ?)");
    query.bind(1, owner).bind(2, name).bind(3, except);
    return query.step() && query.integer(0) != 0;
}

std::int64_t GroupRepository::count(const std::string& owner) const
{
    std::lock_guard lock(m_db.mutex());
    Statement query(m_db, "SELECT COUNT(*) FROM " + m_groups + " WHERE regphoneid = ?");
    query.bind(1, owner);
    query.step();
    return query.integer(0);
}

std::optional<std::int64_t> GroupRepository::add(const std::string& owner, const std::string& name)
{
    std::lock_guard lock(m_db.mutex());
    Statement insert(m_db, "INSERT INTO " + m_groups + " (regphoneid, name) VALUES (?, ?)");
    insert.bind(1, owner).bind(2, name);
    if (!runUnlessDuplicate(insert))
        return std::nullopt;
    return m_db.lastInsertId();
}

bool GroupRepository::rename(const std::string& owner, std::int64_t id, const std::string& name)
{
    std::lock_guard lock(m_db.mutex());
    Statement update(m_db, "UPDATE " + m_groups + " SET name = ? WHERE regphoneid = ? AND groupid = ?");
    update.bind(1, name).bind(2, owner).bind(3, id);
    return runUnlessDuplicate(update);
}

void GroupRepository::remove(const std::string& owner, std::int64_t id)
{
    std::lock_guard lock(m_db.mutex());
    Statement erase(m_db, "DELETE FROM " + m_groups + " WHERE regphoneid = ? AND groupid = ?");
    erase.bind(1, owner).bind(2, id).run();
}

std::vector<Contact> GroupRepository::members(std::int64_t id) const
{
    std::lock_guard lock(m_db.mutex());
    Statement query(m_db,
        "SELECT c.addressno, c.addressname, c.phone FROM " + m_members
            + " m JOIN contacts c ON c.addressno = m.addressno WHERE m.groupid = ? "
              "ORDER BY c.addressno");
    query.bind(1, id);
    return readMembers(query);
}

bool GroupRepository::isMember(std::int64_t id, std::int64_t addressno) const
{
    std::lock_guard lock(m_db.mutex());
    Statement query(m_db, "SELECT EXISTS (SELECT 1 FROM " + m_members + " WHERE groupid = ? AND addressno = ?)");
    query.bind(1, id).bind(2, addressno);
    return query.step() && query.integer(0) != 0;
}

bool GroupRepository::inAnyGroup(std::int64_t addressno) const
{
    std::lock_guard lock(m_db.mutex());
    Statement query(m_db, "SELECT EXISTS (SELECT 1 FROM " + m_members + " WHERE addressno = ?)");
    query.bind(1, addressno);
    return query.step() && query.integer(0) != 0;
}

void GroupRepository::addMember(std::int64_t id, std::int64_t addressno)
{
    std::lock_guard lock(m_db.mutex());
    Statement insert(m_db, "INSERT INTO " + m_members + " (groupid, addressno) VALUES (?, ?)");
    insert.bind(1, id).bind(2, addressno).run();
}

void GroupRepository::removeMember(std::int64_t id, std::int64_t addressno)
{
    std::lock_guard lock(m_db.mutex());
    Statement erase(m_db, "DELETE FROM " + m_members + " WHERE groupid = ? AND addressno = ?");
    erase.bind(1, id).bind(2, addressno).run();
}

std::vector<Contact> GroupRepository::notInAny(const std::string& owner) const
{
    std::lock_guard lock(m_db.mutex());
    Statement query(m_db,
        "SELECT c.addressno, c.addressname, c.phone FROM contacts c WHERE c.regphoneid = ? "
        "AND NOT EXISTS (SELECT 1 FROM "
            + m_members + " m WHERE m.addressno = c.addressno) ORDER BY c.addressno");
    query.bind(1, owner);
    return readMembers(query);
}

} // namespace cvservice
