#pragma once

#include <string>

struct sqlite3;

namespace kv380::demo {

// One open SQLite database, closed with the object. Foreign keys are enforced, so deleting an object takes
// its view and drawing memberships with it.
class SqliteConnection {
public:
    enum class Mode {
        OpenExisting, // the file, for reading and writing
        Create,       // the file, created when missing
        ReadOnly,     // the file, for reading only (nothing is written beside it either)
        Memory,       // a new database in memory; `path` only names it in messages
    };

    // Opens the database. Failure: AutomationError 51.
    SqliteConnection(const std::string& path, Mode mode);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    // Runs one or more statements that return no rows (a whole script). Failure: 51 naming `what`.
    void exec(const std::string& sql, const std::string& what);
    // The rows the last statement changed.
    int changes() const;
    // Replaces this database's content with a copy of the database file at `path`, read without writing to
    // it. Failure: 51.
    void copyFrom(const std::string& path);
    sqlite3* handle() const { return m_db; }

private:
    sqlite3* m_db = nullptr;
};

// A transaction that rolls back unless committed: writes of several rows land together or not at all.
class Transaction {
public:
    explicit Transaction(SqliteConnection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    SqliteConnection& m_connection;
    bool m_done = false;
};

} // namespace kv380::demo
