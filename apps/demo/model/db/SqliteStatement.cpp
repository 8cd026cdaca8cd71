#include "model/db/SqliteStatement.h"

#include "model/db/DatabaseError.h"

#include <sqlite3.h>

namespace kv380::demo {

SqliteStatement::SqliteStatement(sqlite3* db, std::string_view sql) : m_db(db) {
    check(sqlite3_prepare_v2(m_db, sql.data(), static_cast<int>(sql.size()), &m_statement, nullptr),
          "cannot prepare a query");
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(m_statement);
}

void SqliteStatement::check(int rc, const char* what) const {
    if (rc != SQLITE_OK) {
        raiseDatabaseError(m_db, what);
    }
}

SqliteStatement& SqliteStatement::bind(int index, int64_t value) {
    check(sqlite3_bind_int64(m_statement, index, value), "cannot bind a number");
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, std::string_view value) {
    check(sqlite3_bind_text64(m_statement, index, value.data(), value.size(), SQLITE_TRANSIENT, SQLITE_UTF8),
          "cannot bind a text");
    return *this;
}

SqliteStatement& SqliteStatement::bindNull(int index) {
    check(sqlite3_bind_null(m_statement, index), "cannot bind a null");
    return *this;
}

bool SqliteStatement::step() {
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc != SQLITE_DONE) {
        raiseDatabaseError(m_db, "cannot run a query");
    }
    return false;
}

void SqliteStatement::run() {
    while (step()) {
    }
}

void SqliteStatement::reset() {
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

int64_t SqliteStatement::integer(int column) const {
    return sqlite3_column_int64(m_statement, column);
}

std::string SqliteStatement::text(int column) const {
    const auto* bytes = sqlite3_column_text(m_statement, column);
    const int size = sqlite3_column_bytes(m_statement, column);
    return bytes ? std::string(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(size))
                 : std::string();
}

bool SqliteStatement::isNull(int column) const {
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

} // namespace kv380::demo
