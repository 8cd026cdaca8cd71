#pragma once

#include <string>

namespace kv380::demo {

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

// The workspace database file, ready to open. On first run it is created from the script, with the symbol
// root put in place of the placeholder; the file appears only once complete, so a failed run leaves nothing
// half made behind. An existing database whose symbol paths were written for another symbol root (the
// examples moved) has those paths moved to the current root. Failure: AutomationError (53 for a missing
// script, 5 for a data folder inside the examples, 51 for the database).
std::string prepareWorkspaceDatabase(const WorkspaceSetup& setup);

// The file name of the database inside the data folder.
inline constexpr const char* WorkspaceFileName = "workspace.db";

} // namespace kv380::demo
