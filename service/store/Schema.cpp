#include "store/Schema.h"

#include "RandomToken.h"
#include "store/Database.h"
#include "store/StoreError.h"

#include <cstdint>
#include <string>
#include <vector>

namespace cvservice {

namespace {

// Money is kept in hundredths of a yuan; times as local "YYYY-MM-DDThh:mm:ss" text,
// which sorts and compares chronologically.
constexpr const char* kVersion1 = R"sql(
CREATE TABLE accounts (
    regphoneid TEXT PRIMARY KEY,
    password TEXT NOT NULL,
    clientno INTEGER NOT NULL UNIQUE,
    balance INTEGER NOT NULL DEFAULT 0,
    expiry TEXT NOT NULL DEFAULT '',
    idcard TEXT NOT NULL DEFAULT '',
    idtype INTEGER NOT NULL DEFAULT 1,
    sex INTEGER NOT NULL DEFAULT 2,
    contactname TEXT NOT NULL DEFAULT '',
    contactid TEXT NOT NULL DEFAULT '',
    email TEXT NOT NULL DEFAULT '',
    street TEXT NOT NULL DEFAULT '',
    city TEXT NOT NULL DEFAULT '',
    state TEXT NOT NULL DEFAULT '',
    country TEXT NOT NULL DEFAULT '',
    postcode TEXT NOT NULL DEFAULT '',
    meetcall TEXT NOT NULL DEFAULT '',
    messagesender TEXT NOT NULL DEFAULT '',
    comment TEXT NOT NULL DEFAULT '',
    modifytime TEXT NOT NULL DEFAULT '',
    ipaddress TEXT NOT NULL DEFAULT '',
    chairpersonpwd TEXT NOT NULL DEFAULT '',
    participantpwd TEXT NOT NULL DEFAULT '',
    noteno TEXT NOT NULL DEFAULT '1'
);
CREATE TABLE contacts (
    addressno INTEGER PRIMARY KEY AUTOINCREMENT,
    regphoneid TEXT NOT NULL REFERENCES accounts(regphoneid),
    addressname TEXT NOT NULL,
    phone TEXT NOT NULL,
    sex INTEGER NOT NULL DEFAULT 1,
    email TEXT NOT NULL DEFAULT ''
);
CREATE INDEX contacts_owner ON contacts(regphoneid);
CREATE TABLE contact_groups (
    groupid INTEGER PRIMARY KEY AUTOINCREMENT,
    regphoneid TEXT NOT NULL REFERENCES accounts(regphoneid),
    name TEXT NOT NULL
);
CREATE TABLE contact_group_members (
    groupid INTEGER NOT NULL REFERENCES contact_groups(groupid) ON DELETE CASCADE,
    addressno INTEGER NOT NULL UNIQUE REFERENCES contacts(addressno) ON DELETE CASCADE,
    PRIMARY KEY (groupid, addressno)
);
CREATE TABLE conf_groups (
    groupid INTEGER PRIMARY KEY AUTOINCREMENT,
    regphoneid TEXT NOT NULL REFERENCES accounts(regphoneid),
    name TEXT NOT NULL
);
CREATE TABLE conf_group_members (
    groupid INTEGER NOT NULL REFERENCES conf_groups(groupid) ON DELETE CASCADE,
    addressno INTEGER NOT NULL REFERENCES contacts(addressno) ON DELETE CASCADE,
    PRIMARY KEY (groupid, addressno)
);
CREATE TABLE conferences (
    conferenceid TEXT PRIMARY KEY,
    regphoneid TEXT NOT NULL REFERENCES accounts(regphoneid),
    title TEXT NOT NULL DEFAULT '',
    meettime TEXT NOT NULL,
    meetcall TEXT NOT NULL,
    meetphone TEXT NOT NULL DEFAULT '',
    meetphoneaddress TEXT NOT NULL DEFAULT '',
    meettype INTEGER NOT NULL DEFAULT 0,
    autodial INTEGER NOT NULL DEFAULT 0,
    smsflag INTEGER NOT NULL DEFAULT 0,
    shutup INTEGER NOT NULL DEFAULT 0,
    recflag INTEGER NOT NULL DEFAULT 0,
    meetpwd TEXT NOT NULL DEFAULT '',
    state INTEGER NOT NULL,
    endtime TEXT NOT NULL DEFAULT '',
    members INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX conferences_owner ON conferences(regphoneid, state);
CREATE TABLE conference_charges (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    conferenceid TEXT NOT NULL,
    regphoneid TEXT NOT NULL,
    meetcall TEXT NOT NULL,
    meettime TEXT NOT NULL,
    processtime TEXT NOT NULL,
    times INTEGER NOT NULL,
    charge INTEGER NOT NULL
);
CREATE INDEX conference_charges_owner ON conference_charges(regphoneid);
CREATE TABLE recordings (
    conferenceid TEXT PRIMARY KEY,
    regphoneid TEXT NOT NULL,
    meetcall TEXT NOT NULL,
    meettime TEXT NOT NULL,
    title TEXT NOT NULL,
    seconds INTEGER NOT NULL
);
CREATE TABLE sms_messages (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    regphoneid TEXT NOT NULL,
    calledid TEXT NOT NULL,
    message TEXT NOT NULL,
    msgsendtime TEXT NOT NULL,
    origincharge INTEGER NOT NULL
);
CREATE INDEX sms_messages_owner ON sms_messages(regphoneid);
CREATE TABLE transfers (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    fromphone TEXT NOT NULL,
    tophone TEXT NOT NULL,
    amount INTEGER NOT NULL,
    processtime TEXT NOT NULL,
    remark TEXT NOT NULL DEFAULT ''
);
CREATE TABLE sequences (
    name TEXT PRIMARY KEY,
    value INTEGER NOT NULL
);
)sql";

// Version 2: group names unique per owner in the store itself, not only in the
// operations' checks.
constexpr const char* kVersion2 = R"sql(
CREATE UNIQUE INDEX contact_groups_name ON contact_groups(regphoneid, name);
CREATE UNIQUE INDEX conf_groups_name ON conf_groups(regphoneid, name);
)sql";

// Version 3: every recording is served under a random token instead of its
// conference id, which follows a pattern anyone can work out.
constexpr const char* kVersion3 = R"sql(
ALTER TABLE recordings ADD COLUMN token TEXT;
)sql";

void giveRecordingsTokens(Database& db)
{
    std::vector<std::string> ids;
    Statement query(db, "SELECT conferenceid FROM recordings WHERE token IS NULL");
    while (query.step())
        ids.push_back(query.text(0));
    for (const std::string& id : ids) {
        Statement update(db, "UPDATE recordings SET token = ? WHERE conferenceid = ?");
        update.bindAll(RandomToken::make(), id).run();
    }
    db.exec("CREATE UNIQUE INDEX recordings_token ON recordings(token)");
}

// A store of version 1 could, in principle, hold two groups of one name. The oldest
// keeps the name; each later one is renamed "name(2)", "name(3)", ... (the first
// that is free), so that no group and no membership is lost and the owner can tell
// the groups apart.
void renameDuplicateGroups(Database& db, const std::string& table)
{
    struct Duplicate {
        std::int64_t id;
        std::string owner;
        std::string name;
    };
    // Read whole before renaming: a table changed under a running query may yield anything.
    std::vector<Duplicate> duplicates;
    Statement query(db,
        "SELECT g.groupid, g.regphoneid, g.name FROM " + table + " g WHERE EXISTS (SELECT 1 FROM " + table
            + " o WHERE o.regphoneid = g.regphoneid AND o.name = g.name AND o.groupid < g.groupid) "
              "ORDER BY g.groupid");
    while (query.step())
        duplicates.push_back({ query.integer(0), query.text(1), query.text(2) });

    for (const Duplicate& d : duplicates) {
        for (int n = 2;; ++n) {
            const std::string candidate = d.name + "(" + std::to_string(n) + ")";
            Statement taken(db, "SELECT EXISTS (SELECT 1 FROM " + table + " WHERE regphoneid = ? AND name = ?)");
            taken.bindAll(d.owner, candidate);
            if (taken.step() && taken.integer(0) != 0)
                continue;
            Statement rename(db, "UPDATE " + table + " SET name = ? WHERE groupid = ?");
            rename.bindAll(candidate, d.id).run();
            break;
        }
    }
}

} // namespace

int Schema::version(Database& db)
{
    std::lock_guard lock(db.mutex());
    Statement query(db, "PRAGMA user_version");
    return query.step() ? static_cast<int>(query.integer(0)) : 0;
}

void Schema::migrate(Database& db, int target)
{
    const int found = version(db);
    if (found > kCurrentVersion)
        throw StoreError("the store was written by a newer cvservice (schema " + std::to_string(found) + ")");
    if (found < 1 && target >= 1) {
        Transaction transaction(db);
        db.exec(kVersion1);
        db.exec("PRAGMA user_version = 1");
        transaction.commit();
    }
    if (found < 2 && target >= 2) {
        Transaction transaction(db);
        renameDuplicateGroups(db, "contact_groups");
        renameDuplicateGroups(db, "conf_groups");
        db.exec(kVersion2);
        db.exec("PRAGMA user_version = 2");
        transaction.commit();
    }
    if (found < 3 && target >= 3) {
        Transaction transaction(db);
        db.exec(kVersion3);
        giveRecordingsTokens(db);
        db.exec("PRAGMA user_version = 3");
        transaction.commit();
    }
}

} // namespace cvservice
