// Settings property reads and writes against temporary hives, beside raw SQLite doing the same work in a
// table of the same shape: a prepared SELECT of one value by key and name, and a prepared INSERT OR REPLACE
// committed in its own transaction, in WAL mode with synchronous=NORMAL as the user hive runs. Items per
// second count wall-clock time: a write waits for the disk.
#include "settings/Settings.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

using namespace kv380;

// The temporary folder holding both hives and the baseline's database, removed again at exit.
class Folder {
public:
    Folder() {
        m_path =
            std::filesystem::temp_directory_path() / ("kv380-bench-settings-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
        // The hives are opened on first use, so pointing the environment at them now is enough.
        ::setenv("KV380_HKCU_HIVE", (m_path / "HKEY_CURRENT_USER.sqlite").c_str(), 1);
        ::setenv("KV380_HKLM_HIVE", (m_path / "HKEY_LOCAL_MACHINE.sqlite").c_str(), 1);
    }
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    std::string file(const char* name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

const Folder* folder = nullptr;

void BM_SettingsReadLong(benchmark::State& state) {
    Settings settings;
    settings.setStockpileHeight(200);
    for (auto _ : state) {
        benchmark::DoNotOptimize(settings.StockpileHeight());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SettingsReadLong)->UseRealTime();

void BM_SettingsReadText(benchmark::State& state) {
    Settings settings;
    settings.setSymbolLibraryDefaultLibrary("Vessels");
    for (auto _ : state) {
        benchmark::DoNotOptimize(settings.SymbolLibraryDefaultLibrary());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SettingsReadText)->UseRealTime();

void BM_SettingsWriteLong(benchmark::State& state) {
    Settings settings;
    int32_t height = 0;
    for (auto _ : state) {
        settings.setStockpileHeight(++height); // every write changes the stored value
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SettingsWriteLong)->UseRealTime();

// --- the baseline ---

void check(int rc, sqlite3* db, const char* what) {
    if (rc != SQLITE_OK && rc != SQLITE_ROW && rc != SQLITE_DONE) {
        throw std::runtime_error(std::string(what) + ": " + sqlite3_errmsg(db));
    }
}

class RawDatabase {
public:
    RawDatabase() {
        check(sqlite3_open(folder->file("raw.sqlite").c_str(), &db), db, "open");
        check(sqlite3_exec(db,
                           "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;"
                           "CREATE TABLE IF NOT EXISTS vals(key INTEGER NOT NULL, folded BLOB NOT NULL,"
                           " name BLOB NOT NULL, type INTEGER NOT NULL, data BLOB NOT NULL,"
                           " PRIMARY KEY(key, folded));",
                           nullptr, nullptr, nullptr),
              db, "schema");
        select = prepare("SELECT type, data FROM vals WHERE key = ?1 AND folded = ?2");
        upsert =
            prepare("INSERT OR REPLACE INTO vals(key, folded, name, type, data) VALUES(?1, ?2, ?3, 4, ?4)");
        begin = prepare("BEGIN IMMEDIATE");
        commit = prepare("COMMIT");
    }
    ~RawDatabase() {
        for (sqlite3_stmt* s : {select, upsert, begin, commit}) {
            sqlite3_finalize(s);
        }
        sqlite3_close(db);
    }
    RawDatabase(const RawDatabase&) = delete;
    RawDatabase& operator=(const RawDatabase&) = delete;

    void run(sqlite3_stmt* statement, const char* what) {
        check(sqlite3_step(statement), db, what);
        sqlite3_reset(statement);
    }

    void write(int32_t value) {
        run(begin, "begin");
        sqlite3_bind_int64(upsert, 1, 7);
        sqlite3_bind_blob(upsert, 2, "height", 6, SQLITE_STATIC);
        sqlite3_bind_blob(upsert, 3, "Height", 6, SQLITE_STATIC);
        sqlite3_bind_blob(upsert, 4, &value, sizeof value, SQLITE_TRANSIENT);
        run(upsert, "write");
        run(commit, "commit");
    }

    int32_t read() {
        sqlite3_bind_int64(select, 1, 7);
        sqlite3_bind_blob(select, 2, "height", 6, SQLITE_STATIC);
        int32_t value = 0;
        if (sqlite3_step(select) == SQLITE_ROW && sqlite3_column_bytes(select, 1) == sizeof value) {
            std::memcpy(&value, sqlite3_column_blob(select, 1), sizeof value);
        }
        sqlite3_reset(select);
        return value;
    }

    sqlite3* db = nullptr;
    sqlite3_stmt* select = nullptr;
    sqlite3_stmt* upsert = nullptr;
    sqlite3_stmt* begin = nullptr;
    sqlite3_stmt* commit = nullptr;

private:
    sqlite3_stmt* prepare(const char* sql) {
        sqlite3_stmt* statement = nullptr;
        check(sqlite3_prepare_v2(db, sql, -1, &statement, nullptr), db, sql);
        return statement;
    }
};

void BM_RawSqliteRead(benchmark::State& state) {
    RawDatabase raw;
    raw.write(200);
    for (auto _ : state) {
        benchmark::DoNotOptimize(raw.read());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RawSqliteRead)->UseRealTime();

void BM_RawSqliteWrite(benchmark::State& state) {
    RawDatabase raw;
    int32_t value = 0;
    for (auto _ : state) {
        raw.write(++value);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RawSqliteWrite)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    const Folder hives;
    folder = &hives;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
