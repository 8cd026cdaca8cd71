#pragma once

#include <string>
#include <string_view>
#include <vector>

// The texts of the Symbol Map dialog's symbol rows and target maps. A row's key is the symbol file's
// absolute path: the symbol root, "\" and the path relative to the root; a target's map is the relative
// paths of its chosen symbols joined by ";", the default first. Lengths count characters, as everywhere
// symbol paths are cut.
namespace kv380 {

// The absolute path (a row's key) of a path relative to the symbol root.
std::string symbolRowKey(std::string_view symbolRoot, std::string_view relativePath);

// The path relative to the symbol root of an absolute one, by position: without as many leading characters
// as the root has, plus one for the "\" after it. Nothing checks that the path lies below the root. A path
// shorter than that raises 5 (invalid procedure call).
std::string relativeToSymbolRoot(std::string_view absolutePath, std::string_view symbolRoot);

// The text of a row of the chosen symbols: the part of the path after its last "\", less a final ".sym"
// written exactly so (a "Valve.SYM" keeps its extension).
std::string chosenSymbolText(std::string_view path);

// The text of a row of a folder's symbols: the file name up to its first ".sym" in any letter case.
std::string folderSymbolText(std::string_view fileName);

// The parts of a ";"-separated text in order; an empty text has none, "A;" has "A" and "".
std::vector<std::string> semicolonSeparated(std::string_view text);

// The relative paths a target's map names, in order. Empty entries (a map seeded as "M;") name no symbol
// and are left out.
std::vector<std::string> mapEntries(std::string_view map);

// One row of the chosen symbols as the map is stored from it.
struct ChosenRow {
    std::string key;
    bool selected{false};
};

// The map that the chosen rows stand for: the first selected row's relative path first, then every row
// that is not selected, in list order. A second selected row is not written (the list selects one row at
// a time). No rows give "".
std::string mapOfChosenRows(const std::vector<ChosenRow>& rows, std::string_view symbolRoot);

} // namespace kv380
