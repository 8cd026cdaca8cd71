#pragma once

#include "platform/Export.h"

#include <string>
#include <string_view>

namespace kv380::fs {

// The native form of a system-form path: each "\" becomes "/". Nothing else changes, so a Linux root may
// lead ("/srv/symbols\Blocks" -> "/srv/symbols/Blocks"). A leading "\\" network prefix becomes "//", which
// Linux resolves like "/": there are no network shares to reach that way, and the result stays a plain
// absolute path instead of turning into something else.
KV380_API std::string toNativePath(std::string_view systemPath);

// Whether a name is a single entry of a folder that a system-form path can address: not empty, not "." or
// "..", without "\", "/" or NUL.
KV380_API bool isPlainEntryName(std::string_view name);

} // namespace kv380::fs
