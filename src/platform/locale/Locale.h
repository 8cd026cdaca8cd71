#pragma once

#include <cstdint>
#include <string_view>

namespace kv380 {

// Windows locale identifiers for a POSIX locale name ("ja_JP.UTF-8" -> 1041). C, POSIX, empty and
// unknown names give 1033 (English, United States).
int32_t lcidFromLocaleName(std::string_view name);

// The system default locale identifier, from the process's locale environment
// (LC_ALL, then LC_CTYPE, then LANG).
int32_t GetSystemDefaultLCID();

} // namespace kv380
