#include "model/drawing/RootRelativePath.h"

#include <cctype>

namespace kv380::demo {

namespace {
bool isFullPath(const std::string& path) {
    if (!path.empty() && (path.front() == '/' || path.front() == '\\')) {
        return true;
    }
    return path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
}
} // namespace

std::string relativeToRoot(const std::string& path, const std::string& root) {
    // A host may hand a path below the root in network form, the root behind a leading "\\".
    if (path.starts_with("\\\\") && !root.starts_with("\\\\")) {
        const std::string rest = relativeToRoot(path.substr(2), root);
        if (rest.size() + 2 != path.size()) {
            return rest;
        }
    }
    if (!root.empty() && path.size() > root.size() + 1 && path.compare(0, root.size(), root) == 0 &&
        path[root.size()] == '\\') {
        return path.substr(root.size() + 1);
    }
    return path;
}

std::string resolvedFromRoot(const std::string& stored, const std::string& root) {
    if (stored.empty() || isFullPath(stored)) {
        return stored;
    }
    return root + "\\" + stored;
}

} // namespace kv380::demo
