#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace cvservice {

class Database;

// One prepared statement. Values are bound by position (1-based); text is UTF-8.
class Statement {
public:
    Statement(Database& db, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int index, std::string_view text);
    Statement& bind(int index, std::int64_t value);
    Statement& bind(int index, int value) { return bind(index, static_cast<std::int64_t>(value)); }

    // Binds the values to parameters 1, 2, 3, ... in order.
    template <typename... Values> Statement& bindAll(const Values&... values)
    {
        int index = 0;
        (bind(++index, values), ...);
        return *this;
    }

    // true while a row is available; throws StoreError on failure.
    bool step();
    void run(); // steps to completion

    std::string text(int column) const;
    std::int64_t integer(int column) const;

private:
    Database& m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

// The service's one SQLite connection. Every use holds the lock: the service is
// small enough that serialising store access costs nothing measurable, and it keeps
// multi-statement changes consistent without juggling connections.
class Database {
public:
    explicit Database(const std::string& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void exec(std::string_view sql);
    std::int64_t lastInsertId() const;
    int changes() const;
    std::recursive_mutex& mutex() { return m_mutex; }
    sqlite3* handle() const { return m_db; }

private:
    sqlite3* m_db = nullptr;
    std::recursive_mutex m_mutex;
};

// Runs a block of store changes as one transaction: committed by commit(), rolled
// back when the scope ends without it (an early refusal or an exception).
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& m_db;
    std::unique_lock<std::recursive_mutex> m_lock;
    bool m_done = false;
};

} // namespace cvservice
