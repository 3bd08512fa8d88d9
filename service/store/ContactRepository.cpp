#include "store/ContactRepository.h"

#include "store/Database.h"

namespace cvservice {

ContactRepository::ContactRepository(Database& db)
    : m_db(db)
{
}

std::int64_t ContactRepository::add(const Contact& c)
{
    std::lock_guard lock(m_db.mutex());
    Statement insert(m_db, "INSERT INTO contacts (regphoneid, addressname, phone, sex, email) VALUES (?,?,?,?,?)");
    insert.bind(1, c.owner).bind(2, c.name).bind(3, c.phone).bind(4, c.sex).bind(5, c.email).run();
    return m_db.lastInsertId();
}

std::optional<Contact> ContactRepository::find(const std::string& owner, std::int64_t addressno) const
{
    std::lock_guard lock(m_db.mutex());
    Statement query(m_db,
        "SELECT addressno, regphoneid, addressname, phone, sex, email FROM contacts "
        "WHERE regphoneid = ? AND addressno = ?");
    query.bind(1, owner).bind(2, addressno);
    if (!query.step())
        return std::nullopt;
    Contact c;
    c.addressno = query.integer(0);
    c.owner = query.text(1);
    c.name = query.text(2);
    c.phone = query.text(3);
    c.sex = static_cast<int>(query.integer(4));
    c.email = query.text(5);
    return c;
}

void ContactRepository::update(const Contact& c)
{
    std::lock_guard lock(m_db.mutex());
    Statement update(m_db,
        "UPDATE contacts SET addressname = ?, phone = ?, sex = ?, email = ? "
        "WHERE regphoneid = ? AND addressno = ?");
    update.bind(1, c.name).bind(2, c.phone).bind(3, c.sex).bind(4, c.email).bind(5, c.owner).bind(6, c.addressno);
    update.run();
}

void ContactRepository::remove(const std::string& owner, std::int64_t addressno)
{
    std::lock_guard lock(m_db.mutex());
    Statement erase(m_db, "DELETE FROM contacts WHERE regphoneid = ? AND addressno = ?");
    erase.bind(1, owner).bind(2, addressno).run();
}

std::vector<Contact> ContactRepository::list(const std::string& owner) const
{
    std::lock_guard lock(m_db.mutex());
    Statement query(m_db,
        "SELECT c.addressno, c.addressname, c.phone, c.sex, c.email, "
        "COALESCE(g.groupid, 0), COALESCE(g.name, '') FROM contacts c "
        "LEFT JOIN contact_group_members m ON m.addressno = c.addressno "
        "LEFT JOIN contact_groups g ON g.groupid = m.groupid "
        "WHERE c.regphoneid = ? ORDER BY c.addressno");
    query.bind(1, owner);
    std::vector<Contact> out;
    while (query.step()) {
        Contact c;
        c.addressno = query.integer(0);
        c.owner = owner;
        c.name = query.text(1);
        c.phone = query.text(2);
        c.sex = static_cast<int>(query.integer(3));
        c.email = query.text(4);
        c.groupid = query.integer(5);
        c.groupname = query.text(6);
        out.push_back(std::move(c));
    }
    return out;
}

} // namespace cvservice
