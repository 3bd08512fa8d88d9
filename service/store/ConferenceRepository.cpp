#include "store/ConferenceRepository.h"

#include "store/Database.h"

#include <cstdio>

namespace cvservice {

namespace {

constexpr const char* kColumns = "conferenceid, regphoneid, title, meettime, meetcall, meetphone, meetphoneaddress, "
                                 "meettype, autodial, smsflag, shutup, recflag, meetpwd, state, endtime, members";

Conference readConference(const Statement& row)
{
    Conference c;
    int i = 0;
    c.id = row.text(i++);
    c.owner = row.text(i++);
    c.title = row.text(i++);
    c.meettime = row.text(i++);
    c.meetcall = row.text(i++);
    c.meetphone = row.text(i++);
    c.meetphoneaddress = row.text(i++);
    c.meettype = static_cast<int>(row.integer(i++));
    c.autodial = static_cast<int>(row.integer(i++));
    c.smsflag = static_cast<int>(row.integer(i++));
    c.shutup = static_cast<int>(row.integer(i++));
    c.recflag = static_cast<int>(row.integer(i++));
    c.meetpwd = row.text(i++);
    c.state = static_cast<ConferenceState>(row.integer(i++));
    c.endtime = row.text(i++);
    c.members = static_cast<int>(row.integer(i++));
    return c;
}

std::vector<Conference> readAll(Statement& query)
{
    std::vector<Conference> out;
    while (query.step())
        out.push_back(readConference(query));
    return out;
}

} // namespace

ConferenceRepository::ConferenceRepository(Database& db)
    : m_db(db)
{
}

std::string ConferenceRepository::nextId(const std::string& stamp)
{
    std::lock_guard lock(m_db.mutex());
    Statement bump(m_db,
        "INSERT INTO sequences (name, value) VALUES ('conference', 1) "
        "ON CONFLICT(name) DO UPDATE SET value = value + 1 RETURNING value");
    bump.step();
    const long long sequence = bump.integer(0) % 10000;
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, "%04lld", sequence);
    return stamp + suffix;
}

void ConferenceRepository::insert(const Conference& c)
{
    std::lock_guard lock(m_db.mutex());
    Statement insert(
        m_db, std::string("INSERT INTO conferences (") + kColumns + ") VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    insert.bindAll(c.id, c.owner, c.title, c.meettime, c.meetcall, c.meetphone, c.meetphoneaddress, c.meettype,
        c.autodial, c.smsflag, c.shutup, c.recflag, c.meetpwd, static_cast<int>(c.state), c.endtime, c.members);
    insert.run();
}

std::optional<Conference> ConferenceRepository::find(const std::string& id) const
{
    std::lock_guard lock(m_db.mutex());
    Statement query(m_db, std::string("SELECT ") + kColumns + " FROM conferences WHERE conferenceid = ?");
    query.bind(1, id);
    if (!query.step())
        return std::nullopt;
    return readConference(query);
}

void ConferenceRepository::updateBooking(const Conference& c)
{
    std::lock_guard lock(m_db.mutex());
    Statement update(m_db,
        "UPDATE conferences SET title=?, meettime=?, meetcall=?, meetphone=?, meetphoneaddress=?, "
        "autodial=?, smsflag=?, shutup=?, recflag=?, members=? WHERE conferenceid=?");
    update.bindAll(c.title, c.meettime, c.meetcall, c.meetphone, c.meetphoneaddress, c.autodial, c.smsflag, c.shutup,
        c.recflag, c.members, c.id);
    update.run();
}

void ConferenceRepository::setState(const std::string& id, ConferenceState state, const std::string& endtime)
{
    std::lock_guard lock(m_db.mutex());
    Statement update(m_db, "UPDATE conferences SET state = ?, endtime = ? WHERE conferenceid = ?");
    update.bind(1, static_cast<int>(state)).bind(2, endtime).bind(3, id).run();
}

std::vector<Conference> ConferenceRepository::list(const std::string& owner, ConferenceState state) const
{
    std::lock_guard lock(m_db.mutex());
    const bool newestFirst = state == ConferenceState::Ended;
    Statement query(m_db,
        std::string("SELECT ") + kColumns + " FROM conferences WHERE regphoneid = ? AND state = ? ORDER BY meettime "
            + (newestFirst ? "DESC" : "ASC") + ", conferenceid");
    query.bind(1, owner).bind(2, static_cast<int>(state));
    return readAll(query);
}

std::vector<Conference> ConferenceRepository::due(const std::string& now) const
{
    std::lock_guard lock(m_db.mutex());
    Statement query(m_db,
        std::string("SELECT ") + kColumns + " FROM conferences WHERE state = 0 AND meettime <= ? ORDER BY meettime");
    query.bind(1, now);
    return readAll(query);
}

int ConferenceRepository::endAbandoned(const std::string& now)
{
    std::lock_guard lock(m_db.mutex());
    Statement update(m_db, "UPDATE conferences SET state = 2, endtime = ? WHERE state = 1");
    update.bind(1, now).run();
    return m_db.changes();
}

} // namespace cvservice
