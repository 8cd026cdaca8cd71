#include "model/db/SqliteConnection.h"

#include "model/db/DatabaseError.h"
#include "platform/AutomationError.h"

#include <sqlite3.h>

namespace kv380::demo {

namespace {

int openFlags(SqliteConnection::Mode mode) {
    switch (mode) {
    case SqliteConnection::Mode::Create:
    case SqliteConnection::Mode::Memory:
        return SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    case SqliteConnection::Mode::ReadOnly:
        return SQLITE_OPEN_READONLY;
    case SqliteConnection::Mode::OpenExisting:
        break;
    }
    return SQLITE_OPEN_READWRITE;
}

} // namespace

SqliteConnection::SqliteConnection(const std::string& path, Mode mode) {
    const std::string name = mode == Mode::Memory ? std::string(":memory:") : path;
    if (sqlite3_open_v2(name.c_str(), &m_db, openFlags(mode), nullptr) != SQLITE_OK) {
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

void SqliteConnection::copyFrom(const std::string& path) {
    SqliteConnection source(path, Mode::ReadOnly);
    sqlite3_backup* backup = sqlite3_backup_init(m_db, "main", source.handle(), "main");
    if (backup == nullptr) {
        raiseDatabaseError(m_db, "cannot copy the workspace database " + path);
    }
    const int stepped = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE) {
        throw AutomationError(err::InternalError, WorkspaceErrorSource,
                              "cannot copy the workspace database " + path + ": " + sqlite3_errstr(stepped));
    }
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
