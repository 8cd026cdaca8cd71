#pragma once

#include "model/db/WorkspaceDatabase.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kv380::demo {

// The datasheet of one workspace object: a title and its properties as name/value lines.
struct Datasheet {
    int64_t objectId = 0;
    std::string title{};
    std::vector<std::pair<std::string, std::string>> fields{};
};

// The datasheet of an object as the workspace holds it now. An identifier the workspace does not hold is
// error 5.
Datasheet datasheetOf(WorkspaceDatabase& database, int64_t objectId);

} // namespace kv380::demo
