#pragma once

#include <memory>
#include <string>

namespace kv380::demo {

class WorkspaceDatabase;

// What the demo host needs to find or make its workspace database.
struct WorkspaceSetup {
    // The folder the database file lives in (created when missing); never inside the examples folder.
    std::string dataFolder{};
    // The folder of the sample files, which the host only reads.
    std::string examplesFolder{};
    // The SQL script a new workspace is created from (examples/plant.sql).
    std::string scriptPath{};
    // The symbol root, in system form, that stands for {SYMBOL_ROOT} in the script's symbol paths.
    std::string symbolRoot{};
};

// The text of the sample script that stands for the symbol root in symbol paths.
inline constexpr const char* SymbolRootPlaceholder = "{SYMBOL_ROOT}";

// The file name of the database inside the data folder.
inline constexpr const char* WorkspaceFileName = "workspace.db";

// The workspace database a session works on, and what its user must be told about it.
struct OpenedWorkspace {
    std::shared_ptr<WorkspaceDatabase> database;
    // Empty, or the one message the user needs: the file cannot be written, so the session keeps its
    // changes in memory.
    std::string notice{};
};

// Finds the workspace database, checks it or makes it, and opens it:
// - none yet (the first run): made from the script, the symbol root in place of the placeholder, under a
//   name of its own, then given the database's name in one step; a failed run leaves nothing half made, and
//   two first runs at once both start, on the file of whichever named its own first;
// - an empty file: made again from the script, in place;
// - a file that is no workspace database (damaged, cut short, something else): refused with one error that
//   names the file and --reset, the file left as it is;
// - a file, or a folder, that cannot be written: read into memory, where the session keeps its changes
//   (made there from the script when the file is empty or missing); the notice says so.
// A database whose symbol paths were written for another symbol root (the examples moved) has them moved
// to the current root. Failure: AutomationError (53 for a missing script, 5 for a data folder inside the
// examples, 51 for the database).
OpenedWorkspace openWorkspace(const WorkspaceSetup& setup);

} // namespace kv380::demo
