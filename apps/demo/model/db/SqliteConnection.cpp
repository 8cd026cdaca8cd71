#include "model/db/SqliteConnection.h"

#include "model/db/DatabaseError.h"

#include <sqlite3.h>

namespace kv380::demo {

SqliteConnection::SqliteConnection(const std::string& path, Mode mode) {
    const int flags = SQLITE_OPEN_READWRITE | (mode == Mode::Create ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(path.c_str(), &m_db, flags, nullptr) != SQLITE_OK) {
        try {
            raiseDatabaseError(m_db, "cannot open the workspace database " + path);
        } catch (...) {
            sqlite3_close(m_db);
            m_db = nullptr;
            throw;
        }
    }
    sqlite3_busy_timeout(m_db, 2000);
    try {
        exec("PRAGMA foreign_keys = ON", "cannot enforce foreign keys");
    } catch (...) {
        sqlite3_close(m_db);
        m_db = nullptr;
        throw;
    }
}

SqliteConnection::~SqliteConnection() {
    sqlite3_close(m_db);
}

void SqliteConnection::exec(const std::string& sql, const std::string& what) {
    if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        raiseDatabaseError(m_db, what);
    }
}

int SqliteConnection::changes() const {
    return sqlite3_changes(m_db);
}

Transaction::Transaction(SqliteConnection& connection) : m_connection(connection) {
    m_connection.exec("BEGIN IMMEDIATE", "cannot start a transaction");
}

Transaction::~Transaction() {
    if (!m_done) {
        sqlite3_exec(m_connection.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

void Transaction::commit() {
    m_connection.exec("COMMIT", "cannot commit a transaction");
    m_done = true;
}

} // namespace kv380::demo
