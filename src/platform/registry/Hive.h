#pragma once

#include "platform/registry/HivePaths.h"
#include "platform/registry/RegistryApi.h"
#include "platform/registry/Statement.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace kv380::registry {

struct StoredValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

// One hive: a SQLite file holding keys (by case-folded path) and their typed values as bytes.
//
// Opening never fails outright. A file that is not a hive (not SQLite, truncated, another program's
// database) is set aside and a fresh hive started; a hive whose file or folder cannot be written is opened
// read-only, so that reading it needs no side files, and refuses writes; a hive whose folder cannot be made
// or whose file cannot be opened reads as empty and refuses writes. Each such problem is one line through
// logProblem.
//
// The statements a hive runs are prepared once and kept while it is open. Nothing read is kept between
// calls: every read asks the file, so it sees what other processes committed.
//
// Statuses are the registry's: 0, 2 for a missing key or value, 5 for a hive that cannot be written.
class Hive {
public:
    enum class Journal { Wal, Rollback };

    // The key every path starts from.
    static constexpr int64_t RootKey = 1;

    Hive(HiveId id, std::string path, Journal journal);
    ~Hive();
    Hive(const Hive&) = delete;
    Hive& operator=(const Hive&) = delete;

    // Test hook: the SQLite VFS that hives opened from now on use (empty: the default). "unix-dotfile", which
    // has no shared memory, is how a test meets a file system where WAL cannot be used.
    static void setVfsForTests(std::string vfs);

    HiveId id() const { return m_id; }
    bool writable() const { return m_writable; }

    // A key by its path from the hive's root ("" is the root itself).
    LONG findKey(const std::string& path, int64_t& keyId);
    // The same, creating every missing key on the path; `created` tells whether the last one was new.
    LONG createKey(const std::vector<std::string>& names, int64_t& keyId, bool& created);

    LONG readValue(int64_t keyId, std::string_view name, StoredValue& value);
    LONG writeValue(int64_t keyId, std::string_view name, DWORD type, const BYTE* data, DWORD size);
    // How many direct sub-keys and values a key has.
    LONG countContents(int64_t keyId, const std::string& path, DWORD& subKeys, DWORD& values);
    // Removes a value: 2 when the key has none of that name.
    LONG deleteValue(int64_t keyId, std::string_view name);
    // Removes a key and its values: 2 when there is no such key, 5 for the root or a key that has sub-keys.
    LONG deleteKey(const std::string& path);

    // A write transaction: BEGIN IMMEDIATE (waiting out other writers up to the busy timeout), or a savepoint
    // when one is already open, so that callers can nest. Every beginWrite that returned 0 needs its
    // endWrite.
    LONG beginWrite();
    LONG endWrite(bool keep);

    // A read transaction, so that the reads until endRead see one state of the hive and take its lock once.
    // Nothing (and false) inside another transaction or on a hive that is not open; endRead only after a
    // beginRead that answered true.
    bool beginRead();
    void endRead();

private:
    enum class Check { Usable, Damaged, Foreign };
    // The statements kept prepared, one slot each.
    enum Sql {
        Begin,
        BeginImmediate,
        Commit,
        Rollback,
        Savepoint,
        Release,
        RollbackToSavepoint,
        FindKey,
        InsertKey,
        ReadValue,
        WriteValue,
        KeyExists,
        DeleteValue,
        HasSubKey,
        DeleteKeyValues,
        DeleteKey,
        CountSubKeys,
        CountRootSubKeys,
        CountValues,
        SqlCount
    };

    void open();
    bool openDatabase();
    bool openReadOnly(const std::string& why);
    bool connect(const std::string& name, int flags, std::string& error);
    Check check();
    bool recoverFromDamage(const std::string& what);
    void chooseJournal();
    void prepareSchema();
    bool hasSchema();
    void closeDatabase();
    void becomeUnavailable(const std::string& reason);
    LONG failed(const std::string& action, int rc);
    int exec(const char* sql);
    // A kept statement, prepared on first use.
    Statement statement(Sql which);
    // Runs a kept statement that returns no rows: SQLITE_OK or the error.
    int run(Sql which);

    HiveId m_id;
    std::string m_path;
    Journal m_journal;
    sqlite3* m_db{nullptr};
    bool m_writable{false};
    bool m_schema{false};
    // What the log says of a hive opened read-only; empty for one that can be written.
    std::string m_readOnlyNote;
    std::array<sqlite3_stmt*, SqlCount> m_statements{};
    // One entry per open write scope: true for the scope that began the transaction itself.
    std::vector<bool> m_scopes;
    // Whether beginRead began the open transaction.
    bool m_reading{false};
};

} // namespace kv380::registry
