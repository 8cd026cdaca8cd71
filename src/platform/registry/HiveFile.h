#pragma once

#include <optional>
#include <string>
#include <sys/types.h>

// The file-system side of a hive: its folder, a first look at its header, and setting a damaged file aside.
namespace kv380::registry {

// Creates the folder that holds a file, with any missing parents. On failure: false and the reason.
bool ensureParentFolder(const std::string& filePath, mode_t mode, std::string& reason);

// Whether this process may write the hive: change its file (or create it) and create the journal or WAL
// files beside it. When not: false and why, as the log says it.
bool mayWrite(const std::string& path, std::string& why);

// Whether a SQLite file's header says it is in WAL mode.
bool inWalMode(const std::string& path);

// Whether a file exists and holds at least one byte.
bool holdsData(const std::string& path);

// A file path as a SQLite URI ("file:" and the path, with the characters a URI reserves escaped).
std::string fileUri(const std::string& path);

enum class FileLook { Missing, Empty, SqliteHeader, NotSqlite, Unreadable };

// What the first bytes of a file say: a missing or empty file is a new hive; anything else must start with
// SQLite's header.
FileLook lookAtFile(const std::string& path);

// Moves a hive that cannot be used out of the way, never overwriting anything: to
// "<path>.broken-YYYYMMDD-HHMMSS" (with "-2", "-3"... when that name is taken) in the same folder, together
// with its "-wal", "-shm" and "-journal" companions, which must not be applied to the fresh hive.
// The new name of the hive file, or nothing (and the reason) when it could not be moved.
std::optional<std::string> setAside(const std::string& path, std::string& reason);

} // namespace kv380::registry
