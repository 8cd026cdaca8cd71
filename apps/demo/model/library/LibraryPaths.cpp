#include "model/library/LibraryPaths.h"

namespace kv380::demo {

std::string libraryPath(std::string_view path, std::string_view symbolRoot) {
    std::string collapsed;
    collapsed.reserve(path.size());
    for (char c : path) {
        if (c == '\\' && !collapsed.empty() && collapsed.back() == '\\') {
            continue;
        }
        collapsed += c;
    }
    std::string_view rest = collapsed;
    if (!symbolRoot.empty() && rest.starts_with(symbolRoot) &&
        (rest.size() == symbolRoot.size() || rest[symbolRoot.size()] == '\\')) {
        rest.remove_prefix(symbolRoot.size());
    }
    while (!rest.empty() && rest.front() == '\\') {
        rest.remove_prefix(1);
    }
    while (!rest.empty() && rest.back() == '\\') {
        rest.remove_suffix(1);
    }
    return std::string(rest);
}

} // namespace kv380::demo
