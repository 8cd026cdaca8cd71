#pragma once

#include <optional>
#include <string>

namespace kv380::demo {

// What the file system says about the workspace database file, before it is opened.

// Why the file is not a usable workspace database (not a database, damaged or cut short, or a database
// without the workspace's tables), or nothing when it is one. Only reads the file.
std::optional<std::string> workspaceFileFault(const std::string& path);

// Why this process may not write the file or create files beside it (SQLite's journal), or nothing when it
// may. Judged with the process's effective rights, as opening the file will be.
std::optional<std::string> whyNotWritable(const std::string& path);

// A new empty file beside `path`, under a name no other process uses ("<path>.partial-XXXXXX"). Failure:
// AutomationError 51.
std::string createTemporaryBeside(const std::string& path);

// Gives the complete file `temporary` the name `path` in one step, unless a file of that name exists
// already (another process published its own first): then that file is kept and `temporary` is simply
// removed. Answers whether this call published. Failure: AutomationError 51, `temporary` removed.
bool publishUnlessPresent(const std::string& temporary, const std::string& path);

} // namespace kv380::demo
