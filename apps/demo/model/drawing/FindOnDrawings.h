#pragma once

#include "model/db/WorkspaceDatabase.h"

#include <string>

namespace kv380::demo {

// The drawing application's command that finds an object on the drawings. It takes its argument from the
// status bar: a browser word, the object's identifier and its name ("PipeBrowser 42 P1").
inline constexpr int32_t FindOnDrawingsCommand = 12094;

// The answer the command shows in the status bar: the drawings the object is on.
std::string findOnDrawings(WorkspaceDatabase& database, const std::string& statusText);

} // namespace kv380::demo
