#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kv380::registry {

// ASCII letters folded to lower case; every other byte stays as it is, so names in any other script compare
// byte for byte.
std::string foldCase(std::string_view text);

// The names of a key path separated by "\". Empty names are dropped, so doubled, leading and trailing
// separators change nothing: "A\\B\" names the same key as "A\B".
std::vector<std::string> splitKeyPath(std::string_view path);

// Names joined with "\": the canonical form of a path.
std::string joinKeyPath(const std::vector<std::string>& names);

// A canonical path with a canonical sub-path appended.
std::string appendKeyPath(const std::string& path, const std::string& subPath);

} // namespace kv380::registry
