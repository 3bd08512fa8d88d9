#pragma once

namespace cvservice {

class Database;

// Brings a store of any earlier schema version up to the current one. Versions are
// kept in SQLite's user_version; each step runs in its own transaction.
class Schema {
public:
    static constexpr int kCurrentVersion = 3;
    // target: an earlier version, for tests that need a store as an older service left it.
    static void migrate(Database& db, int target = kCurrentVersion);
    static int version(Database& db);
};

} // namespace cvservice
