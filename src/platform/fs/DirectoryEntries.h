#pragma once

#include <string>
#include <system_error>
#include <vector>

namespace kv380::fs {

enum class EntryKind { File, Directory };

// The names of one kind of entry of a native directory, in byte-wise order. Links are followed, so a link to
// a regular file is a file and a link to a directory is a directory; everything else (broken links, devices,
// sockets) and names a system-form path cannot carry are left out. On failure `ec` is set and the result
// is empty.
std::vector<std::string> entryNames(const std::string& nativeDir, EntryKind kind, std::error_code& ec);

} // namespace kv380::fs
