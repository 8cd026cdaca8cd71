#pragma once

#include <cstdint>
#include <sqlite3.h>
#include <string_view>

namespace kv380::registry {

// One use of a SQLite statement: either prepared for this use and finalised afterwards, or borrowed from a
// hive's prepared statements and reset afterwards (which also ends the read it may hold open). Texts are
// bound as blobs so that names compare byte for byte whatever their encoding.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) : m_owned(true) {
        m_rc = sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr);
    }
    // A statement kept prepared by its owner; `prepareRc` is how preparing it went (null when it failed).
    Statement(sqlite3_stmt* prepared, int prepareRc)
        : m_stmt(prepared), m_rc(prepared ? SQLITE_OK : prepareRc) {
        if (m_rc == SQLITE_OK && !m_stmt) {
            m_rc = SQLITE_MISUSE;
        }
    }
    ~Statement() {
        if (m_owned) {
            sqlite3_finalize(m_stmt);
        } else if (m_stmt) {
            sqlite3_reset(m_stmt);
            sqlite3_clear_bindings(m_stmt);
        }
    }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // The status of preparing, then of the last bind or step.
    int rc() const { return m_rc; }

    Statement& bind(int index, std::string_view bytes) { return bind(index, bytes.data(), bytes.size()); }
    Statement& bind(int index, const void* data, std::size_t size) {
        if (m_rc == SQLITE_OK) {
            // A null pointer would bind NULL; an empty value is a zero-length blob.
            m_rc = size == 0 ? sqlite3_bind_zeroblob(m_stmt, index, 0)
                             : sqlite3_bind_blob64(m_stmt, index, data, size, SQLITE_TRANSIENT);
        }
        return *this;
    }
    Statement& bind(int index, int64_t value) {
        if (m_rc == SQLITE_OK) {
            m_rc = sqlite3_bind_int64(m_stmt, index, value);
        }
        return *this;
    }

    // SQLITE_ROW, SQLITE_DONE or an error.
    int step() {
        if (m_rc == SQLITE_OK || m_rc == SQLITE_ROW) {
            m_rc = sqlite3_step(m_stmt);
        }
        return m_rc;
    }

    int64_t integer(int column) const { return sqlite3_column_int64(m_stmt, column); }
    std::string_view bytes(int column) const {
        const void* data = sqlite3_column_blob(m_stmt, column);
        const int size = sqlite3_column_bytes(m_stmt, column);
        return data ? std::string_view(static_cast<const char*>(data), static_cast<std::size_t>(size))
                    : std::string_view();
    }

private:
    sqlite3_stmt* m_stmt{nullptr};
    int m_rc{SQLITE_OK};
    bool m_owned{false};
};

} // namespace kv380::registry
