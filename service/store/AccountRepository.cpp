#include "store/AccountRepository.h"

#include "TimeText.h"
#include "store/Database.h"

namespace cvservice {

namespace {

constexpr const char* kColumns
    = "regphoneid, password, clientno, balance, expiry, idcard, idtype, sex, contactname, contactid, email, street, "
      "city, state, country, postcode, meetcall, messagesender, comment, modifytime, ipaddress, chairpersonpwd, "
      "participantpwd, noteno";

Account readAccount(const Statement& row)
{
    Account a;
    int c = 0;
    a.regphoneid = row.text(c++);
    a.password = row.text(c++);
    a.clientno = row.integer(c++);
    a.balance = row.integer(c++);
    a.expiry = row.text(c++);
    a.idcard = row.text(c++);
    a.idtype = static_cast<int>(row.integer(c++));
    a.sex = static_cast<int>(row.integer(c++));
    a.contactname = row.text(c++);
    a.contactid = row.text(c++);
    a.email = row.text(c++);
    a.street = row.text(c++);
    a.city = row.text(c++);
    a.state = row.text(c++);
    a.country = row.text(c++);
    a.postcode = row.text(c++);
    a.meetcall = row.text(c++);
    a.messagesender = row.text(c++);
    a.comment = row.text(c++);
    a.modifytime = row.text(c++);
    a.ipaddress = row.text(c++);
    a.chairpersonpwd = row.text(c++);
    a.participantpwd = row.text(c++);
    a.noteno = row.text(c++);
    return a;
}

void setText(Database& db, const char* sql, const std::string& value, const std::string& regphoneid)
{
    std::lock_guard lock(db.mutex());
    Statement update(db, sql);
    update.bind(1, value).bind(2, regphoneid).run();
}

} // namespace

AccountRepository::AccountRepository(Database& db)
    : m_db(db)
{
}

bool AccountRepository::hasAny() const
{
    std::lock_guard lock(m_db.mutex());
    Statement query(m_db, "SELECT EXISTS (SELECT 1 FROM accounts)");
    return query.step() && query.integer(0) != 0;
}

std::optional<Account> AccountRepository::find(const std::string& regphoneid) const
{
    std::lock_guard lock(m_db.mutex());
    Statement query(m_db, std::string("SELECT ") + kColumns + " FROM accounts WHERE regphoneid = ?");
    query.bind(1, regphoneid);
    if (!query.step())
        return std::nullopt;
    return readAccount(query);
}

std::optional<std::string> AccountRepository::password(const std::string& regphoneid) const
{
    std::lock_guard lock(m_db.mutex());
    Statement query(m_db, "SELECT password FROM accounts WHERE regphoneid = ?");
    query.bind(1, regphoneid);
    if (!query.step())
        return std::nullopt;
    return query.text(0);
}

void AccountRepository::create(Account a)
{
    std::lock_guard lock(m_db.mutex());
    Statement next(m_db, "SELECT COALESCE(MAX(clientno), 100000) + 1 FROM accounts");
    next.step();
    a.clientno = next.integer(0);
    Statement insert(m_db,
        std::string("INSERT INTO accounts (") + kColumns
            + ") VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    insert.bindAll(a.regphoneid, a.password, a.clientno, a.balance, a.expiry, a.idcard, a.idtype, a.sex, a.contactname,
        a.contactid, a.email, a.street, a.city, a.state, a.country, a.postcode, a.meetcall, a.messagesender, a.comment,
        a.modifytime, a.ipaddress, a.chairpersonpwd, a.participantpwd, a.noteno);
    insert.run();
}

void AccountRepository::saveProfile(const Account& a)
{
    std::lock_guard lock(m_db.mutex());
    Statement update(m_db,
        "UPDATE accounts SET idcard=?, idtype=?, sex=?, contactname=?, contactid=?, email=?, "
        "street=?, city=?, state=?, country=?, postcode=?, meetcall=?, messagesender=?, "
        "comment=?, modifytime=? WHERE regphoneid=?");
    update.bindAll(a.idcard, a.idtype, a.sex, a.contactname, a.contactid, a.email, a.street, a.city, a.state, a.country,
        a.postcode, a.meetcall, a.messagesender, a.comment, timetext::now(), a.regphoneid);
    update.run();
}

void AccountRepository::setMeetCall(const std::string& regphoneid, const std::string& meetcall)
{
    setText(m_db, "UPDATE accounts SET meetcall = ? WHERE regphoneid = ?", meetcall, regphoneid);
}

void AccountRepository::setMessageSender(const std::string& regphoneid, const std::string& sender)
{
    setText(m_db, "UPDATE accounts SET messagesender = ? WHERE regphoneid = ?", sender, regphoneid);
}

void AccountRepository::setPassword(const std::string& regphoneid, const std::string& password)
{
    setText(m_db, "UPDATE accounts SET password = ? WHERE regphoneid = ?", password, regphoneid);
}

void AccountRepository::setIpAddress(const std::string& regphoneid, const std::string& ipaddress)
{
    setText(m_db, "UPDATE accounts SET ipaddress = ? WHERE regphoneid = ?", ipaddress, regphoneid);
}

void AccountRepository::setRoomPasswords(
    const std::string& regphoneid, const std::string& chair, const std::string& participant)
{
    std::lock_guard lock(m_db.mutex());
    Statement update(m_db, "UPDATE accounts SET chairpersonpwd = ?, participantpwd = ? WHERE regphoneid = ?");
    update.bind(1, chair).bind(2, participant).bind(3, regphoneid).run();
}

bool AccountRepository::debit(const std::string& regphoneid, std::int64_t amount)
{
    std::lock_guard lock(m_db.mutex());
    Statement update(m_db, "UPDATE accounts SET balance = balance - ? WHERE regphoneid = ? AND balance >= ?");
    update.bind(1, amount).bind(2, regphoneid).bind(3, amount).run();
    return m_db.changes() == 1;
}

void AccountRepository::charge(const std::string& regphoneid, std::int64_t amount)
{
    credit(regphoneid, -amount);
}

void AccountRepository::credit(const std::string& regphoneid, std::int64_t amount)
{
    std::lock_guard lock(m_db.mutex());
    Statement update(m_db, "UPDATE accounts SET balance = balance + ? WHERE regphoneid = ?");
    update.bind(1, amount).bind(2, regphoneid).run();
}

bool AccountRepository::transfer(
    const std::string& from, const std::string& to, std::int64_t amount, const std::string& remark)
{
    Transaction transaction(m_db);
    if (!debit(from, amount))
        return false;
    credit(to, amount);
    Statement record(
        m_db, "INSERT INTO transfers (fromphone, tophone, amount, processtime, remark) VALUES (?,?,?,?,?)");
    record.bindAll(from, to, amount, timetext::now(), remark).run();
    transaction.commit();
    return true;
}

} // namespace cvservice
