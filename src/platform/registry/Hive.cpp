#include "platform/registry/Hive.h"

#include "platform/registry/HiveFile.h"
#include "platform/registry/KeyPath.h"
#include "platform/registry/RegistryLog.h"
#include "platform/registry/Statement.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <iterator>
#include <random>
#include <thread>
#include <unistd.h>
#include <utility>

namespace kv380::registry {

namespace {

// Long enough for another process's write to finish, short enough not to freeze the user interface.
constexpr auto BusyTimeout = std::chrono::milliseconds(2000);
// Marks a database as a hive ("KV38"), so another program's database is never taken for one.
constexpr int64_t ApplicationId = 0x4B563338;

constexpr const char* SchemaSql =
    // path: the key's case-folded path from the root; name: the key's own name as first written.
    "CREATE TABLE IF NOT EXISTS keys(id INTEGER PRIMARY KEY, path BLOB NOT NULL UNIQUE, name BLOB NOT NULL);"
    "CREATE TABLE IF NOT EXISTS vals(key INTEGER NOT NULL REFERENCES keys(id), folded BLOB NOT NULL,"
    " name BLOB NOT NULL, type INTEGER NOT NULL, data BLOB NOT NULL, PRIMARY KEY(key, folded));"
    "INSERT OR IGNORE INTO keys(id, path, name) VALUES(1, x'', x'');";

// The kept statements' texts, in the order of Hive::Sql.
constexpr const char* KeptSql[] = {
    "BEGIN",
    // IMMEDIATE takes the write lock at once, so the busy timeout applies; a deferred transaction that
    // reads first could not wait for it later.
    "BEGIN IMMEDIATE",
    "COMMIT",
    "ROLLBACK",
    "SAVEPOINT kv380_write",
    "RELEASE kv380_write",
    "ROLLBACK TO kv380_write",
    "SELECT id FROM keys WHERE path = ?1",
    "INSERT INTO keys(path, name) VALUES(?1, ?2) ON CONFLICT(path) DO NOTHING",
    "SELECT type, data FROM vals WHERE key = ?1 AND folded = ?2",
    ("INSERT INTO vals(key, folded, name, type, data) VALUES(?1, ?2, ?3, ?4, ?5)"
     " ON CONFLICT(key, folded) DO UPDATE SET type = excluded.type, data = excluded.data"),
    "SELECT 1 FROM keys WHERE id = ?1",
    "DELETE FROM vals WHERE key = ?1 AND folded = ?2",
    // A sub-key's folded path starts with ?1: the key's path and its "\" bound as one blob ("||" would
    // make text of it, which never equals a blob).
    "SELECT 1 FROM keys WHERE substr(path, 1, length(?1)) = ?1 LIMIT 1",
    "DELETE FROM vals WHERE key = ?1",
    "DELETE FROM keys WHERE id = ?1",
    ("SELECT count(*) FROM keys WHERE substr(path, 1, length(?1)) = ?1"
     " AND instr(substr(path, length(?1) + 1), x'5c') = 0"),
    "SELECT count(*) FROM keys WHERE id != 1 AND instr(path, x'5c') = 0",
    "SELECT count(*) FROM vals WHERE key = ?1",
};

LONG statusOf(int rc) {
    switch (rc & 0xff) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE:
        return ERROR_SUCCESS;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return ERROR_BUSY;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
    case SQLITE_CANTOPEN:
        return ERROR_ACCESS_DENIED;
    case SQLITE_FULL:
        return ERROR_DISK_FULL;
    case SQLITE_NOMEM:
        return ERROR_OUTOFMEMORY;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return ERROR_REGISTRY_CORRUPT;
    case SQLITE_CONSTRAINT:
        return ERROR_KEY_DELETED;
    default:
        return ERROR_REGISTRY_IO_FAILED;
    }
}

// Waits for another process's lock. SQLite's own handler backs off to sleeps of 100 ms, which lets a process
// that writes without pause starve another for seconds; short sleeps with jitter find the gaps between its
// transactions within milliseconds.
int waitForLock(void*, int attempt) {
    thread_local std::chrono::steady_clock::time_point start;
    thread_local std::minstd_rand jitter(
        static_cast<unsigned>(::getpid()) ^
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
    const auto now = std::chrono::steady_clock::now();
    if (attempt == 0) {
        start = now;
    }
    if (now - start >= BusyTimeout) {
        return 0;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(100 + jitter() % 900));
    return 1;
}

std::string& vfsSlot() {
    static std::string vfs;
    return vfs;
}

const char* vfsName() {
    return vfsSlot().empty() ? nullptr : vfsSlot().c_str();
}

bool isDamage(int rc) {
    return (rc & 0xff) == SQLITE_CORRUPT || (rc & 0xff) == SQLITE_NOTADB;
}

} // namespace

void Hive::setVfsForTests(std::string vfs) {
    vfsSlot() = std::move(vfs);
}

Hive::Hive(HiveId id, std::string path, Journal journal)
    : m_id(id), m_path(std::move(path)), m_journal(journal) {
    open();
}

Hive::~Hive() {
    if (m_db && !sqlite3_get_autocommit(m_db)) {
        exec("ROLLBACK");
    }
    closeDatabase();
}

void Hive::open() {
    if (m_path.empty()) {
        becomeUnavailable("no home folder to keep it in");
        return;
    }
    std::string reason;
    if (!ensureParentFolder(m_path, m_id == HiveId::CurrentUser ? 0700 : 0755, reason)) {
        becomeUnavailable(reason);
        return;
    }
    switch (lookAtFile(m_path)) {
    case FileLook::NotSqlite:
        if (!recoverFromDamage("is not a SQLite database")) {
            return;
        }
        break;
    case FileLook::Unreadable:
        becomeUnavailable(std::string("cannot read it: ") + std::strerror(errno));
        return;
    default:
        break;
    }
    if (!openDatabase()) {
        return;
    }
    if (const Check found = check(); found != Check::Usable) {
        closeDatabase();
        if (!recoverFromDamage(found == Check::Damaged ? "is damaged (truncated or corrupt)"
                                                       : "is another program's database") ||
            !openDatabase()) {
            return;
        }
    }
    chooseJournal();
    prepareSchema();
}

bool Hive::openDatabase() {
    m_readOnlyNote.clear();
    std::string why;
    if (mayWrite(m_path, why)) {
        std::string error;
        if (connect(m_path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, error)) {
            if (sqlite3_db_readonly(m_db, "main") == 0) {
                m_writable = true;
                return true;
            }
            why = "the file cannot be written";
        } else {
            why = "cannot open it for writing: " + error;
        }
        closeDatabase();
    }
    return openReadOnly(why);
}

// Read-only, the hive must not need side files it cannot make, nor leave any behind owned by this process
// where its owner would meet them.
bool Hive::openReadOnly(const std::string& why) {
    // A WAL file is read through an index file beside it. Without a "-wal" file (or with an empty one)
    // everything committed is in the file itself, so it is read as a file that does not change: no side
    // files, no locks.
    bool unchanging = inWalMode(m_path) && !holdsData(m_path + "-wal");
    std::string detail;
    for (;;) {
        const std::string uri = fileUri(m_path) + (unchanging ? "?mode=ro&immutable=1" : "?mode=ro");
        std::string error;
        if (!connect(uri, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, error)) {
            becomeUnavailable("cannot open it (" + why + "): " + error);
            return false;
        }
        int rc = SQLITE_OK;
        {
            Statement probe(m_db, "SELECT count(*) FROM sqlite_master");
            rc = probe.step();
        }
        if (rc == SQLITE_ROW || (rc & 0xff) == SQLITE_BUSY || isDamage(rc)) {
            break; // readable, or busy for now, or damaged: the caller's check decides
        }
        if (unchanging || !inWalMode(m_path)) {
            becomeUnavailable(std::string("cannot be written (") + why +
                              ") and cannot be read: " + sqlite3_errmsg(m_db));
            return false;
        }
        // A "-wal" file whose index cannot be made beside it: what the file itself holds can still be read.
        closeDatabase();
        unchanging = true;
        detail = ", without the last changes still in " + m_path + "-wal";
    }
    m_readOnlyNote = std::string(hiveName(m_id)) + " hive " + m_path + " cannot be written (" + why +
                     "): its values are read" +
                     (unchanging ? " as the file holds them" + detail +
                                       " (changes others make while it is open may not be seen)"
                                 : std::string()) +
                     ", writes are refused";
    return true;
}

// Opens the connection; on failure closes it again, with the reason in `error`.
bool Hive::connect(const std::string& name, int flags, std::string& error) {
    const int rc = sqlite3_open_v2(name.c_str(), &m_db, flags, vfsName());
    if (rc != SQLITE_OK) {
        error = m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc);
        closeDatabase();
        return false;
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_handler(m_db, waitForLock, nullptr);
    return true;
}

Hive::Check Hive::check() {
    Statement quick(m_db, "PRAGMA quick_check(1)");
    const int rc = quick.step();
    if (isDamage(rc) || (rc == SQLITE_ROW && quick.bytes(0) != "ok")) {
        return Check::Damaged;
    }
    // Anything else (another process holding the hive past the busy timeout) says nothing about the file.
    Statement app(m_db, "PRAGMA application_id");
    Statement tables(m_db, "SELECT count(*) FROM sqlite_master");
    if (app.step() == SQLITE_ROW && tables.step() == SQLITE_ROW && tables.integer(0) > 0 &&
        app.integer(0) != ApplicationId) {
        return Check::Foreign;
    }
    return Check::Usable;
}

bool Hive::recoverFromDamage(const std::string& what) {
    std::string reason;
    const auto aside = setAside(m_path, reason);
    if (!aside) {
        becomeUnavailable(what + " and " + reason);
        return false;
    }
    logProblem(std::string(hiveName(m_id)) + " hive " + m_path + " " + what + ": moved it aside to " +
               *aside + " and started a fresh hive");
    return true;
}

void Hive::chooseJournal() {
    if (!m_writable || m_journal != Journal::Wal) {
        return;
    }
    Statement wal(m_db, "PRAGMA journal_mode=WAL");
    const int rc = wal.step();
    if (rc == SQLITE_ROW && foldCase(wal.bytes(0)) == "wal") {
        exec("PRAGMA synchronous=NORMAL"); // WAL keeps every commit whole; only the last ones can be lost
        return;
    }
    // Network file systems, for example, cannot share WAL's index: a rollback journal works there.
    const std::string why = rc == SQLITE_ROW ? "the file system does not support it" : sqlite3_errmsg(m_db);
    logProblem(std::string(hiveName(m_id)) + " hive " + m_path + ": cannot use WAL (" + why +
               "); using a rollback journal");
    exec("PRAGMA journal_mode=DELETE");
}

void Hive::prepareSchema() {
    if (m_writable) {
        int rc = exec("BEGIN IMMEDIATE");
        if (rc == SQLITE_OK) {
            rc = exec(SchemaSql);
            bool marked = false;
            {
                Statement app(m_db, "PRAGMA application_id");
                marked = app.step() == SQLITE_ROW && app.integer(0) == ApplicationId;
            }
            if (rc == SQLITE_OK && !marked) {
                rc = exec(("PRAGMA application_id=" + std::to_string(ApplicationId)).c_str());
            }
            rc = rc == SQLITE_OK ? exec("COMMIT") : rc;
            if (!sqlite3_get_autocommit(m_db)) {
                exec("ROLLBACK");
            }
        }
        if (statusOf(rc) == ERROR_ACCESS_DENIED) {
            m_writable = false;
            m_readOnlyNote = std::string(hiveName(m_id)) + " hive " + m_path + " cannot be written (" +
                             sqlite3_errmsg(m_db) + "): its values are read, writes are refused";
        } else if (rc != SQLITE_OK) {
            logProblem(std::string(hiveName(m_id)) + " hive " + m_path +
                       ": cannot prepare it: " + sqlite3_errmsg(m_db));
        }
    }
    if (!m_readOnlyNote.empty()) {
        logProblem(m_readOnlyNote);
    }
    m_schema = hasSchema();
    exec("PRAGMA foreign_keys=ON");
}

bool Hive::hasSchema() {
    Statement s(m_db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN ('keys', 'vals')");
    return s.step() == SQLITE_ROW && s.integer(0) == 2;
}

void Hive::closeDatabase() {
    for (sqlite3_stmt*& kept : m_statements) {
        sqlite3_finalize(kept);
        kept = nullptr;
    }
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_writable = false;
    m_schema = false;
}

void Hive::becomeUnavailable(const std::string& reason) {
    closeDatabase();
    logProblem(std::string(hiveName(m_id)) + " hive " + (m_path.empty() ? "" : m_path + ": ") + reason +
               "; its values read as defaults and writes are refused");
}

LONG Hive::failed(const std::string& action, int rc) {
    logProblem(std::string(hiveName(m_id)) + " hive " + m_path + ": " + action +
               " failed: " + (m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc)));
    return statusOf(rc);
}

int Hive::exec(const char* sql) {
    return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
}

Statement Hive::statement(Sql which) {
    static_assert(std::size(KeptSql) == SqlCount);
    sqlite3_stmt*& kept = m_statements[which];
    int rc = SQLITE_OK;
    if (!kept) {
        rc = sqlite3_prepare_v3(m_db, KeptSql[which], -1, SQLITE_PREPARE_PERSISTENT, &kept, nullptr);
    }
    return Statement(kept, rc);
}

int Hive::run(Sql which) {
    Statement s = statement(which);
    const int rc = s.step();
    return rc == SQLITE_DONE || rc == SQLITE_ROW ? SQLITE_OK : rc;
}

LONG Hive::findKey(const std::string& path, int64_t& keyId) {
    if (path.empty()) {
        keyId = RootKey;
        return ERROR_SUCCESS;
    }
    if (!m_schema) {
        return ERROR_FILE_NOT_FOUND;
    }
    Statement s = statement(FindKey);
    const int rc = s.bind(1, foldCase(path)).step();
    if (rc == SQLITE_ROW) {
        keyId = s.integer(0);
        return ERROR_SUCCESS;
    }
    return rc == SQLITE_DONE ? ERROR_FILE_NOT_FOUND : failed("reading key " + path, rc);
}

LONG Hive::createKey(const std::vector<std::string>& names, int64_t& keyId, bool& created) {
    created = false;
    if (names.empty()) {
        keyId = RootKey;
        return ERROR_SUCCESS;
    }
    if (const LONG status = beginWrite(); status != ERROR_SUCCESS) {
        return status;
    }
    std::string path;
    int rc = SQLITE_DONE;
    for (const auto& name : names) {
        path = appendKeyPath(path, foldCase(name));
        Statement insert = statement(InsertKey);
        rc = insert.bind(1, path).bind(2, name).step();
        if (rc != SQLITE_DONE) {
            break;
        }
        created = sqlite3_changes(m_db) > 0;
    }
    if (rc == SQLITE_DONE) {
        Statement select = statement(FindKey);
        rc = select.bind(1, path).step();
        keyId = select.integer(0);
    }
    const LONG status = rc == SQLITE_ROW ? ERROR_SUCCESS
                                         : failed("creating key " + joinKeyPath(names),
                                                  rc == SQLITE_DONE ? SQLITE_ERROR : rc);
    const LONG ended = endWrite(status == ERROR_SUCCESS);
    return status != ERROR_SUCCESS ? status : ended;
}

LONG Hive::readValue(int64_t keyId, std::string_view name, StoredValue& value) {
    if (!m_schema) {
        return ERROR_FILE_NOT_FOUND;
    }
    Statement s = statement(ReadValue);
    const int rc = s.bind(1, keyId).bind(2, foldCase(name)).step();
    if (rc == SQLITE_ROW) {
        value.type = static_cast<DWORD>(s.integer(0));
        const std::string_view data = s.bytes(1);
        value.data.assign(data.begin(), data.end());
        return ERROR_SUCCESS;
    }
    return rc == SQLITE_DONE ? ERROR_FILE_NOT_FOUND : failed("reading a value", rc);
}

LONG Hive::writeValue(int64_t keyId, std::string_view name, DWORD type, const BYTE* data, DWORD size) {
    if (const LONG status = beginWrite(); status != ERROR_SUCCESS) {
        return status;
    }
    {
        // A handle may outlive its key: its values must not be written under a key that is gone.
        Statement exists = statement(KeyExists);
        const int rc = exists.bind(1, keyId).step();
        if (rc != SQLITE_ROW) {
            const LONG status = rc == SQLITE_DONE ? ERROR_KEY_DELETED : failed("reading a key", rc);
            endWrite(false);
            return status;
        }
    }
    int rc = SQLITE_DONE;
    {
        Statement upsert = statement(WriteValue);
        rc = upsert.bind(1, keyId)
                 .bind(2, foldCase(name))
                 .bind(3, name)
                 .bind(4, int64_t{type})
                 .bind(5, data, size)
                 .step();
    }
    const LONG status = rc == SQLITE_DONE ? ERROR_SUCCESS : failed("writing a value", rc);
    const LONG ended = endWrite(status == ERROR_SUCCESS);
    return status != ERROR_SUCCESS ? status : ended;
}

LONG Hive::countContents(int64_t keyId, const std::string& path, DWORD& subKeys, DWORD& values) {
    subKeys = 0;
    values = 0;
    if (!m_schema) {
        return ERROR_SUCCESS; // an empty hive
    }
    {
        Statement count = statement(path.empty() ? CountRootSubKeys : CountSubKeys);
        if (!path.empty()) {
            count.bind(1, foldCase(path) + "\\");
        }
        const int rc = count.step();
        if (rc != SQLITE_ROW) {
            return failed("counting the sub-keys of " + path, rc);
        }
        subKeys = static_cast<DWORD>(count.integer(0));
    }
    Statement count = statement(CountValues);
    const int rc = count.bind(1, keyId).step();
    if (rc != SQLITE_ROW) {
        return failed("counting the values of " + path, rc);
    }
    values = static_cast<DWORD>(count.integer(0));
    return ERROR_SUCCESS;
}

LONG Hive::deleteValue(int64_t keyId, std::string_view name) {
    if (const LONG status = beginWrite(); status != ERROR_SUCCESS) {
        return status;
    }
    int rc = SQLITE_DONE;
    {
        Statement remove = statement(DeleteValue);
        rc = remove.bind(1, keyId).bind(2, foldCase(name)).step();
    }
    LONG status = rc == SQLITE_DONE ? ERROR_SUCCESS : failed("deleting a value", rc);
    if (status == ERROR_SUCCESS && sqlite3_changes(m_db) == 0) {
        status = ERROR_FILE_NOT_FOUND;
    }
    const LONG ended = endWrite(status == ERROR_SUCCESS);
    return status != ERROR_SUCCESS ? status : ended;
}

LONG Hive::deleteKey(const std::string& path) {
    if (path.empty()) {
        return ERROR_ACCESS_DENIED; // the root stays
    }
    if (const LONG status = beginWrite(); status != ERROR_SUCCESS) {
        return status;
    }
    int64_t keyId = 0;
    LONG status = findKey(path, keyId);
    if (status == ERROR_SUCCESS) {
        Statement children = statement(HasSubKey);
        const int rc = children.bind(1, foldCase(path) + "\\").step();
        if (rc == SQLITE_ROW) {
            status = ERROR_ACCESS_DENIED; // as on Windows: sub-keys first
        } else if (rc != SQLITE_DONE) {
            status = failed("reading the sub-keys of " + path, rc);
        }
    }
    for (const Sql which : {DeleteKeyValues, DeleteKey}) {
        if (status != ERROR_SUCCESS) {
            break;
        }
        Statement remove = statement(which);
        const int rc = remove.bind(1, keyId).step();
        if (rc != SQLITE_DONE) {
            status = failed("deleting key " + path, rc);
        }
    }
    const LONG ended = endWrite(status == ERROR_SUCCESS);
    return status != ERROR_SUCCESS ? status : ended;
}

LONG Hive::beginWrite() {
    if (!m_writable) {
        return ERROR_ACCESS_DENIED;
    }
    if (!m_schema) {
        return ERROR_REGISTRY_IO_FAILED; // a hive that could not be prepared; already logged
    }
    if (m_reading && m_scopes.empty()) {
        // A write inside a read: the read's snapshot cannot be written from, so it ends here and the write
        // waits for the lock in a transaction of its own.
        endRead();
    }
    const bool outer = sqlite3_get_autocommit(m_db) != 0;
    const int rc = run(outer ? BeginImmediate : Savepoint);
    if (rc != SQLITE_OK) {
        return failed("starting a write", rc);
    }
    m_scopes.push_back(outer);
    return ERROR_SUCCESS;
}

LONG Hive::endWrite(bool keep) {
    const bool outer = m_scopes.back();
    m_scopes.pop_back();
    if (sqlite3_get_autocommit(m_db)) {
        // SQLite already rolled the transaction back after an error in it.
        return keep ? ERROR_REGISTRY_IO_FAILED : ERROR_SUCCESS;
    }
    if (outer) {
        if (!keep) {
            run(Rollback);
            return ERROR_SUCCESS;
        }
        const int rc = run(Commit);
        if (rc == SQLITE_OK) {
            return ERROR_SUCCESS;
        }
        const LONG status = failed("committing a write", rc);
        run(Rollback);
        return status;
    }
    if (!keep) {
        run(RollbackToSavepoint);
    }
    const int rc = run(Release);
    return rc == SQLITE_OK ? ERROR_SUCCESS : failed("ending a write", rc);
}

bool Hive::beginRead() {
    if (!m_schema || !sqlite3_get_autocommit(m_db) || run(Begin) != SQLITE_OK) {
        return false;
    }
    m_reading = true;
    return true;
}

void Hive::endRead() {
    if (!m_reading) {
        return;
    }
    m_reading = false;
    if (m_db && !sqlite3_get_autocommit(m_db)) {
        run(Commit);
    }
}

} // namespace kv380::registry
