#pragma once

#include <string>

struct sqlite3;

namespace kv380::demo {

// The source named in the errors of the workspace database.
inline constexpr const char* WorkspaceErrorSource = "KV380 Demo Workspace";

// Throws an AutomationError (51) describing what failed and SQLite's reason for it.
[[noreturn]] void raiseDatabaseError(sqlite3* db, const std::string& what);

} // namespace kv380::demo
