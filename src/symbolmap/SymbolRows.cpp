#include "symbolmap/SymbolRows.h"

#include "symbols/SymbolMapText.h"

namespace kv380 {

std::string symbolRowKey(std::string_view symbolRoot, std::string_view relativePath) {
    std::string key;
    key.reserve(symbolRoot.size() + 1 + relativePath.size());
    key.append(symbolRoot).append("\\").append(relativePath);
    return key;
}

std::string relativeToSymbolRoot(std::string_view absolutePath, std::string_view symbolRoot) {
    return dropLeadingCharacters(absolutePath, characterCount(symbolRoot) + 1);
}

std::string chosenSymbolText(std::string_view path) {
    const size_t slash = path.rfind('\\');
    std::string_view text = slash == std::string_view::npos ? path : path.substr(slash + 1);
    constexpr std::string_view extension = ".sym";
    if (text.size() >= extension.size() && text.substr(text.size() - extension.size()) == extension) {
        text.remove_suffix(extension.size());
    }
    return std::string(text);
}

std::string folderSymbolText(std::string_view fileName) {
    // ".sym" is ASCII, so a match starts at a byte that starts a character and the cut never splits one.
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (size_t at = 0; at + 4 <= fileName.size(); ++at) {
        if (fileName[at] == '.' && lower(fileName[at + 1]) == 's' && lower(fileName[at + 2]) == 'y' &&
            lower(fileName[at + 3]) == 'm') {
            return std::string(fileName.substr(0, at));
        }
    }
    return std::string(fileName);
}

std::vector<std::string> semicolonSeparated(std::string_view text) {
    std::vector<std::string> parts;
    if (text.empty()) {
        return parts;
    }
    for (;;) {
        const size_t end = text.find(';');
        parts.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos) {
            return parts;
        }
        text.remove_prefix(end + 1);
    }
}

std::vector<std::string> mapEntries(std::string_view map) {
    std::vector<std::string> entries = semicolonSeparated(map);
    std::erase_if(entries, [](const std::string& entry) { return entry.empty(); });
    return entries;
}

std::string mapOfChosenRows(const std::vector<ChosenRow>& rows, std::string_view symbolRoot) {
    std::string map;
    for (const ChosenRow& row : rows) {
        if (row.selected) {
            map = relativeToSymbolRoot(row.key, symbolRoot);
            break;
        }
    }
    for (const ChosenRow& row : rows) {
        if (row.selected) {
            continue;
        }
        if (!map.empty()) {
            map += ';';
        }
        map += relativeToSymbolRoot(row.key, symbolRoot);
    }
    return map;
}

} // namespace kv380
