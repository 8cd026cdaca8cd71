#include "platform/fs/NativePath.h"

namespace kv380::fs {

std::string toNativePath(std::string_view systemPath) {
    std::string native(systemPath);
    for (char& c : native) {
        if (c == '\\') {
            c = '/';
        }
    }
    return native;
}

bool isPlainEntryName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("\\/\0", 3)) == std::string_view::npos;
}

} // namespace kv380::fs
