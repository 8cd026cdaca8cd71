#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace kv380::demo {

// One prepared statement, finalised with the object. Values are bound by 1-based index; text goes in and
// out as UTF-8 and is never pasted into the SQL.
class SqliteStatement {
public:
    // Prepares one statement. Failure: AutomationError 51.
    SqliteStatement(sqlite3* db, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    SqliteStatement& bind(int index, int64_t value);
    SqliteStatement& bind(int index, std::string_view value);
    SqliteStatement& bindNull(int index);

    // Steps once: true while there is a row to read, false when the statement is done.
    bool step();
    // Steps to the end of a statement that returns no rows.
    void run();
    // Makes the statement ready to run again, with new bindings.
    void reset();

    int64_t integer(int column) const;
    std::string text(int column) const;
    bool isNull(int column) const;

private:
    void check(int rc, const char* what) const;

    sqlite3* m_db;
    sqlite3_stmt* m_statement = nullptr;
};

} // namespace kv380::demo
