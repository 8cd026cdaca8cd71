#pragma once

#include <string_view>

namespace kv380::fs {

enum class MatchCase { Exact, IgnoreCase };

// Whether a file name matches a listing pattern: "*" stands for any run of characters (none included),
// "?" for exactly one, anything else for itself. Characters are code points of UTF-8 text; bytes that
// are not valid UTF-8 stand for themselves. IgnoreCase folds the letters of the Latin, Greek and Cyrillic
// alphabets (and full-width Latin); other characters compare exactly. There are no other special forms:
// "*.*" needs a dot in the name.
bool matchesFilePattern(std::string_view name, std::string_view pattern, MatchCase matchCase);

} // namespace kv380::fs
