#pragma once

#include <cstdint>
#include <system_error>

namespace kv380::fs {

// The runtime's numbers for folder failures. "File not found" (53) is in the common list.
inline constexpr int32_t PermissionDenied = 70;
inline constexpr int32_t PathNotFound = 76;

// Throws "Path not found" (76).
[[noreturn]] void raisePathNotFound();

// Throws the runtime error for a folder that could not be read: 70 when access was refused, 76 otherwise.
[[noreturn]] void raiseFolderError(std::error_code ec);

} // namespace kv380::fs
