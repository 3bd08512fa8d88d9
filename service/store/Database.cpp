#include "store/Database.h"

#include "store/StoreError.h"

#include <sqlite3.h>

namespace cvservice {

Statement::Statement(Database& db, std::string_view sql)
    : m_db(db)
{
    if (sqlite3_prepare_v2(db.handle(), sql.data(), static_cast<int>(sql.size()), &m_stmt, nullptr) != SQLITE_OK)
        throw StoreError(std::string("prepare failed: ") + sqlite3_errmsg(db.handle()));
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

Statement& Statement::bind(int index, std::string_view text)
{
    sqlite3_bind_text(m_stmt, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    return *this;
}

Statement& Statement::bind(int index, std::int64_t value)
{
    sqlite3_bind_int64(m_stmt, index, value);
    return *this;
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throw StoreError(std::string("step failed: ") + sqlite3_errmsg(m_db.handle()),
        sqlite3_extended_errcode(m_db.handle()) == SQLITE_CONSTRAINT_UNIQUE);
}

void Statement::run()
{
    while (step()) { }
}

std::string Statement::text(int column) const
{
    const auto* value = sqlite3_column_text(m_stmt, column);
    return value ? std::string(
               reinterpret_cast<const char*>(value), static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, column)))
                 : std::string();
}

std::int64_t Statement::integer(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

Database::Database(const std::string& path)
{
    if (sqlite3_open_v2(
            path.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX, nullptr)
        != SQLITE_OK) {
        const std::string message = m_db ? sqlite3_errmsg(m_db) : "out of memory";
        sqlite3_close(m_db);
        throw StoreError("cannot open " + path + ": " + message);
    }
    sqlite3_busy_timeout(m_db, 5000);
    exec("PRAGMA foreign_keys = ON");
    if (path != ":memory:")
        exec("PRAGMA journal_mode = WAL");
}

Database::~Database()
{
    sqlite3_close(m_db);
}

void Database::exec(std::string_view sql)
{
    std::lock_guard lock(m_mutex);
    char* error = nullptr;
    const std::string text(sql);
    if (sqlite3_exec(m_db, text.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw StoreError(message);
    }
}

std::int64_t Database::lastInsertId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

int Database::changes() const
{
    return sqlite3_changes(m_db);
}

Transaction::Transaction(Database& db)
    : m_db(db)
    , m_lock(db.mutex())
{
    m_db.exec("BEGIN IMMEDIATE");
}

Transaction::~Transaction()
{
    if (!m_done) {
        try {
            m_db.exec("ROLLBACK");
        } catch (const StoreError&) {
            // Nothing more can be done: the connection rolls back on its own when the
            // transaction cannot continue.
        }
    }
}

void Transaction::commit()
{
    m_db.exec("COMMIT");
    m_done = true;
}

} // namespace cvservice
