#pragma once

#include "platform/Export.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace kv380::fs {

// The length in bytes of the regular file at a system-form path (a link to one counts), or nothing when
// there is none: a missing path, a folder, a broken link, a device. This is the existence test for files;
// it never throws.
KV380_API std::optional<std::uintmax_t> fileLength(std::string_view systemPath);

} // namespace kv380::fs
