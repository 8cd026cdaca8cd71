#pragma once

#include <string>
#include <vector>

namespace kv380 {

// One symbol file of a folder, as a row of the folder's symbols shows it.
struct SymbolFileRow {
    std::string key;  // the folder, "\" and the file name
    std::string text; // the file name up to its first ".sym" in any case
};

// The plain files of a folder (no folders, no hidden files) whose names match the pattern without regard
// to case, in name order without regard to case. A folder that is missing or cannot be read has none.
std::vector<SymbolFileRow> symbolFileRows(const std::string& folder, const std::string& pattern);

} // namespace kv380
