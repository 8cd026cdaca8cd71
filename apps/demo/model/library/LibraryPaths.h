#pragma once

#include <string>
#include <string_view>

namespace kv380::demo {

// A symbol file or folder path as the symbol library compares it: relative to the symbol root, "\"
// between folders, no doubled, leading or trailing separator. A path below the root loses the root; any
// other path keeps its folders ("\\Pumps\\A.sym" -> "Pumps\A.sym", "<root>\Pumps" -> "Pumps").
std::string libraryPath(std::string_view path, std::string_view symbolRoot);

} // namespace kv380::demo
