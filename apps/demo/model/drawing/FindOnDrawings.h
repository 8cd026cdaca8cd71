#pragma once

#include "model/db/WorkspaceDatabase.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kv380::demo {

// The drawing application's command that finds an object on the drawings. It takes its argument from the
// status bar: a browser word, the object's identifier and its name ("PipeBrowser 42 P1").
inline constexpr int32_t FindOnDrawingsCommand = 12094;

// What the command found: the answer it shows in the status bar, the object it looked for (nothing when the
// status bar named none) and the drawings the object is on.
struct FoundOnDrawings {
    std::string text{};
    std::vector<int64_t> diagramIds{};
    std::optional<int64_t> objectId{};
};

FoundOnDrawings findOnDrawings(WorkspaceDatabase& database, const std::string& statusText);

} // namespace kv380::demo
