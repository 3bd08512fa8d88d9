#include "store/ChargeRepository.h"

#include "RandomToken.h"
#include "store/Database.h"

namespace cvservice {

namespace {

std::string whereClause(const std::vector<FilterCondition>& filter)
{
    std::string sql = " WHERE regphoneid = ?";
    for (const FilterCondition& condition : filter)
        sql += " AND " + condition.column + " " + condition.op + " ?";
    return sql;
}

Recording recordingAt(Statement& query)
{
    return { query.text(0), query.text(1), query.text(2), query.text(3), query.text(4),
        static_cast<int>(query.integer(5)), query.text(6) };
}

void bindFilter(Statement& query, const std::string& owner, const std::vector<FilterCondition>& filter)
{
    int i = 1;
    query.bind(i++, owner);
    for (const FilterCondition& condition : filter)
        query.bind(i++, condition.value);
}

} // namespace

ChargeRepository::ChargeRepository(Database& db)
    : m_db(db)
{
}

void ChargeRepository::addConferenceCharge(const ConferenceCharge& c)
{
    std::lock_guard lock(m_db.mutex());
    Statement insert(m_db,
        "INSERT INTO conference_charges (conferenceid, regphoneid, meetcall, meettime, "
        "processtime, times, charge) VALUES (?,?,?,?,?,?,?)");
    insert.bind(1, c.conferenceid).bind(2, c.regphoneid).bind(3, c.meetcall).bind(4, c.meettime);
    insert.bind(5, c.processtime).bind(6, c.times).bind(7, c.charge).run();
}

std::vector<ConferenceCharge> ChargeRepository::conferenceCharges(
    const std::string& owner, const std::vector<FilterCondition>& filter) const
{
    std::lock_guard lock(m_db.mutex());
    Statement query(m_db,
        "SELECT conferenceid, regphoneid, meetcall, meettime, processtime, times, charge "
        "FROM conference_charges"
            + whereClause(filter) + " ORDER BY meettime DESC, id DESC");
    bindFilter(query, owner, filter);
    std::vector<ConferenceCharge> out;
    while (query.step())
        out.push_back({ query.text(0), query.text(1), query.text(2), query.text(3), query.text(4),
            static_cast<int>(query.integer(5)), query.integer(6) });
    return out;
}

void ChargeRepository::addRecording(const Recording& r)
{
    std::lock_guard lock(m_db.mutex());
    Statement insert(m_db,
        "INSERT OR REPLACE INTO recordings (conferenceid, regphoneid, meetcall, meettime, title, "
        "seconds, token) VALUES (?,?,?,?,?,?,?)");
    insert.bind(1, r.conferenceid).bind(2, r.regphoneid).bind(3, r.meetcall).bind(4, r.meettime);
    insert.bind(5, r.title).bind(6, r.seconds).bind(7, r.token.empty() ? RandomToken::make() : r.token).run();
}

std::vector<Recording> ChargeRepository::recordings(
    const std::string& owner, const std::vector<FilterCondition>& filter) const
{
    std::lock_guard lock(m_db.mutex());
    Statement query(m_db,
        "SELECT conferenceid, regphoneid, meetcall, meettime, title, seconds, token FROM recordings"
            + whereClause(filter) + " ORDER BY meettime DESC");
    bindFilter(query, owner, filter);
    std::vector<Recording> out;
    while (query.step())
        out.push_back(recordingAt(query));
    return out;
}

std::optional<Recording> ChargeRepository::recording(const std::string& conferenceid) const
{
    std::lock_guard lock(m_db.mutex());
    Statement query(m_db,
        "SELECT conferenceid, regphoneid, meetcall, meettime, title, seconds, token FROM recordings "
        "WHERE conferenceid = ?");
    query.bind(1, conferenceid);
    if (!query.step())
        return std::nullopt;
    return recordingAt(query);
}

std::optional<Recording> ChargeRepository::recordingByToken(const std::string& token) const
{
    std::lock_guard lock(m_db.mutex());
    Statement query(m_db,
        "SELECT conferenceid, regphoneid, meetcall, meettime, title, seconds, token FROM recordings "
        "WHERE token = ?");
    query.bind(1, token);
    if (token.empty() || !query.step())
        return std::nullopt;
    return recordingAt(query);
}

void ChargeRepository::addSms(const SmsCharge& s)
{
    std::lock_guard lock(m_db.mutex());
    Statement insert(m_db,
        "INSERT INTO sms_messages (regphoneid, calledid, message, msgsendtime, origincharge) "
        "VALUES (?,?,?,?,?)");
    insert.bind(1, s.regphoneid).bind(2, s.calledid).bind(3, s.message).bind(4, s.msgsendtime);
    insert.bind(5, s.origincharge).run();
}

std::vector<SmsCharge> ChargeRepository::smsCharges(
    const std::string& owner, const std::vector<FilterCondition>& filter) const
{
    std::lock_guard lock(m_db.mutex());
    Statement query(m_db,
        "SELECT regphoneid, calledid, message, msgsendtime, origincharge FROM sms_messages" + whereClause(filter)
            + " ORDER BY msgsendtime DESC, id DESC");
    bindFilter(query, owner, filter);
    std::vector<SmsCharge> out;
    while (query.step())
        out.push_back({ query.text(0), query.text(1), query.text(2), query.text(3), query.integer(4) });
    return out;
}

} // namespace cvservice
