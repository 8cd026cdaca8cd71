#include "model/db/WorkspaceCreation.h"

#include "model/db/DatabaseError.h"
#include "model/db/SqliteConnection.h"
#include "model/db/SqliteStatement.h"
#include "model/db/WorkspaceDatabase.h"
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

void createFromScript(const stdfs::path& file, const WorkspaceSetup& setup) {
    const std::string script = readScript(setup.scriptPath);
    const stdfs::path partial = stdfs::path(file).concat(".partial");
    std::error_code ignored;
    stdfs::remove(partial, ignored); // the leftover of a run that failed
    try {
        {
            SqliteConnection db(partial.string(), SqliteConnection::Mode::Create);
            Transaction transaction(db);
            db.exec(script, "cannot run the workspace script " + setup.scriptPath);
            substituteSymbolRoot(db, setup.symbolRoot);
            SqliteStatement meta(db.handle(), "INSERT INTO meta (key, value) VALUES (?1, ?2)");
            meta.bind(1, std::string(SymbolRootKey)).bind(2, setup.symbolRoot).run();
            transaction.commit();
        }
        stdfs::rename(partial, file);
    } catch (...) {
        stdfs::remove(partial, ignored);
        throw;
    }
}

} // namespace

std::string prepareWorkspaceDatabase(const WorkspaceSetup& setup) {
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
    if (!stdfs::exists(file)) {
        createFromScript(file, setup);
        return file.string();
    }
    WorkspaceDatabase db(file.string());
    const auto oldRoot = db.meta(SymbolRootKey);
    if (oldRoot && *oldRoot != setup.symbolRoot) {
        Transaction transaction(db.connection());
        relocateSymbolRoot(db.connection(), *oldRoot, setup.symbolRoot);
        db.setMeta(SymbolRootKey, setup.symbolRoot);
        transaction.commit();
    }
    return file.string();
}

} // namespace kv380::demo
