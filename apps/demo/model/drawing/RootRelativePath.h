#pragma once

#include <string>

namespace kv380::demo {

// How a drawing stores the symbol files it places: relative to the symbol root when they lie below it, so
// that a drawing keeps its pictures when the symbol folder moves, and as given otherwise. Paths are in
// system form ("\" between folders).

// The path without the root and its separator when it begins with them (also behind a leading "\\", the
// network form some hosts hand over); otherwise unchanged.
std::string relativeToRoot(const std::string& path, const std::string& root);
// A stored path as a full path: the root, "\" and a relative path; a full path (one that begins with "/",
// "\" or a drive such as "C:") unchanged. An empty path stays empty.
std::string resolvedFromRoot(const std::string& stored, const std::string& root);

} // namespace kv380::demo
