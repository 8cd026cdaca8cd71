#include "platform/registry/KeyPath.h"

#include <algorithm>

namespace kv380::registry {

std::string foldCase(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return folded;
}

std::vector<std::string> splitKeyPath(std::string_view path) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('\\', start), path.size());
        if (end > start) {
            names.emplace_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return names;
}

std::string joinKeyPath(const std::vector<std::string>& names) {
    std::string path;
    for (const auto& name : names) {
        if (!path.empty()) {
            path += '\\';
        }
        path += name;
    }
    return path;
}

std::string appendKeyPath(const std::string& path, const std::string& subPath) {
    if (path.empty() || subPath.empty()) {
        return path.empty() ? subPath : path;
    }
    return path + '\\' + subPath;
}

} // namespace kv380::registry
