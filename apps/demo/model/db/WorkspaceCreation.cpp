#include "model/db/WorkspaceCreation.h"

#include "model/db/DatabaseError.h"
#include "model/db/PlacementTable.h"
#include "model/db/SqliteConnection.h"
#include "model/db/SqliteStatement.h"
#include "model/db/WorkspaceDatabase.h"
#include "model/db/WorkspaceFile.h"
#include "platform/AutomationError.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace kv380::demo {

namespace {

namespace stdfs = std::filesystem;

constexpr const char* SymbolRootKey = "symbol_root";

// Whether `inner` is `outer` or lies below it, after resolving "..", links and relative parts.
bool isWithin(const stdfs::path& inner, const stdfs::path& outer) {
    std::error_code ec;
    const stdfs::path a = stdfs::weakly_canonical(inner, ec);
    const stdfs::path b = stdfs::weakly_canonical(outer, ec);
    const stdfs::path relative = a.lexically_relative(b);
    return !relative.empty() && *relative.begin() != "..";
}

std::string readScript(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw AutomationError(err::FileNotFound, WorkspaceErrorSource,
                              "Cannot read the workspace script " + path);
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Symbol paths are written with the placeholder where the root belongs; the root goes in as a bound value,
// so a root with quotes or other SQL in it cannot change the statement.
void substituteSymbolRoot(SqliteConnection& db, const std::string& root) {
    SqliteStatement update(db.handle(), "UPDATE objects SET symbol = replace(symbol, ?1, ?2), "
                                        "map_symbol = replace(map_symbol, ?1, ?2)");
    update.bind(1, std::string(SymbolRootPlaceholder)).bind(2, root).run();
}

// Paths that begin with the old root and a separator (or "\\" and the old root) begin with the new one.
void relocateSymbolRoot(SqliteConnection& db, const std::string& oldRoot, const std::string& newRoot) {
    for (const char* column : {"symbol", "map_symbol"}) {
        const std::string c = column;
        SqliteStatement update(db.handle(), "UPDATE objects SET " + c + " = ?2 || substr(" + c +
                                                ", length(?1) + 1) WHERE substr(" + c +
                                                ", 1, length(?1) + 1) = ?1 || '\\'");
        for (const std::string prefix : {"", "\\\\"}) {
            update.reset();
            update.bind(1, prefix + oldRoot).bind(2, prefix + newRoot).run();
        }
    }
}

bool holdsTables(SqliteConnection& db) {
    SqliteStatement count(db.handle(), "SELECT count(*) FROM sqlite_master");
    return count.step() && count.integer(0) > 0;
}

// Runs the script into an empty database, in one transaction. Another process that began the same work on
// the same file first has done it by the time the transaction starts: then there is nothing left to do.
void fillFromScript(SqliteConnection& db, const WorkspaceSetup& setup) {
    const std::string script = readScript(setup.scriptPath);
    Transaction transaction(db);
    if (!holdsTables(db)) {
        db.exec(script, "cannot run the workspace script " + setup.scriptPath);
        substituteSymbolRoot(db, setup.symbolRoot);
        SqliteStatement meta(db.handle(), "INSERT INTO meta (key, value) VALUES (?1, ?2)");
        meta.bind(1, std::string(SymbolRootKey)).bind(2, setup.symbolRoot).run();
        // A new workspace has its drawings' placements table from the start, before anyone can open it.
        PlacementTable::ensureIn(db);
    }
    transaction.commit();
}

// The file appears only once complete, and never over one another process made meanwhile.
void createFromScript(const stdfs::path& file, const WorkspaceSetup& setup) {
    const std::string temporary = createTemporaryBeside(file.string());
    try {
        {
            SqliteConnection db(temporary, SqliteConnection::Mode::OpenExisting);
            fillFromScript(db, setup);
        }
        publishUnlessPresent(temporary, file.string());
    } catch (...) {
        std::error_code ignored;
        stdfs::remove(temporary, ignored);
        throw;
    }
}

void followTheSymbolRoot(WorkspaceDatabase& db, const std::string& symbolRoot) {
    const auto oldRoot = db.meta(SymbolRootKey);
    if (oldRoot && *oldRoot != symbolRoot) {
        Transaction transaction(db.connection());
        relocateSymbolRoot(db.connection(), *oldRoot, symbolRoot);
        db.setMeta(SymbolRootKey, symbolRoot);
        transaction.commit();
    }
}

[[noreturn]] void refuseDamaged(const stdfs::path& file, const std::string& why) {
    throw AutomationError(err::InternalError, WorkspaceErrorSource,
                          "The workspace database " + file.string() + " cannot be used (" + why +
                              "). It was left as it is; start the demo with --reset to make a new one from "
                              "the sample workspace (this deletes the file).");
}

std::string readOnlyNotice(const stdfs::path& file, const std::string& why) {
    return "The workspace database " + file.string() + " cannot be written (" + why +
           "). This session works on a copy in memory: its changes are lost when the demo ends.";
}

} // namespace

OpenedWorkspace openWorkspace(const WorkspaceSetup& setup) {
    if (!setup.examplesFolder.empty() && isWithin(setup.dataFolder, setup.examplesFolder)) {
        throw AutomationError(err::InvalidProcedureCall, WorkspaceErrorSource,
                              "The workspace data folder " + setup.dataFolder +
                                  " lies inside the examples folder; choose another one");
    }
    std::error_code ec;
    stdfs::create_directories(setup.dataFolder, ec);
    if (ec) {
        throw AutomationError(err::InternalError, WorkspaceErrorSource,
                              "Cannot create the data folder " + setup.dataFolder + ": " + ec.message());
    }
    const stdfs::path file = stdfs::path(setup.dataFolder) / WorkspaceFileName;
    const bool exists = stdfs::exists(file, ec);
    const auto size = exists ? stdfs::file_size(file, ec) : 0;
    // A file of no bytes holds nothing to lose: the leftover of a run that died creating it.
    const bool empty = !exists || (!ec && size == 0);
    if (!empty) {
        if (const auto fault = workspaceFileFault(file.string())) {
            refuseDamaged(file, *fault);
        }
    }

    if (const auto why = whyNotWritable(file.string())) {
        auto db = std::make_shared<WorkspaceDatabase>(file.string(), WorkspaceDatabase::Storage::MemoryCopy);
        if (empty) {
            fillFromScript(db->connection(), setup);
        }
        followTheSymbolRoot(*db, setup.symbolRoot);
        return {db, readOnlyNotice(file, *why)};
    }
    if (!exists) {
        createFromScript(file, setup);
    } else if (empty) {
        SqliteConnection db(file.string(), SqliteConnection::Mode::OpenExisting);
        fillFromScript(db, setup);
    }
    auto db = std::make_shared<WorkspaceDatabase>(file.string());
    followTheSymbolRoot(*db, setup.symbolRoot);
    return {db, {}};
}

} // namespace kv380::demo
