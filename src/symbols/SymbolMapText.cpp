#include "symbols/SymbolMapText.h"

#include "platform/AutomationError.h"
#include "platform/convert/Utf8.h"
#include "symbols/FileSystemUtilities.h"

#include <cstddef>
#include <vector>

namespace kv380 {
namespace {

// The byte offset after the first `count` characters; nothing when the text has fewer.
std::optional<size_t> offsetAfter(std::string_view text, size_t count) {
    size_t pos = 0;
    for (; count > 0; --count) {
        if (pos >= text.size()) {
            return std::nullopt;
        }
        pos += utf8::sequenceLength(text, pos);
    }
    return pos;
}

std::vector<std::string_view> splitAtSemicolons(std::string_view text) {
    std::vector<std::string_view> parts;
    for (;;) {
        const size_t end = text.find(';');
        parts.push_back(text.substr(0, end));
        if (end == std::string_view::npos) {
            return parts;
        }
        text.remove_prefix(end + 1);
    }
}

} // namespace

size_t characterCount(std::string_view text) {
    size_t count = 0;
    for (size_t pos = 0; pos < text.size(); pos += utf8::sequenceLength(text, pos)) {
        ++count;
    }
    return count;
}

std::string dropLeadingCharacters(std::string_view text, size_t count) {
    const auto offset = offsetAfter(text, count);
    if (!offset) {
        raise(err::InvalidProcedureCall);
    }
    return std::string(text.substr(*offset));
}

std::string symbolMapKey(std::string_view sID, std::string_view sDiagramClass, std::string_view sTarget) {
    std::string key;
    key.reserve(sID.size() + sDiagramClass.size() + sTarget.size() + 2);
    key += sID;
    key += '(';
    key += sDiagramClass;
    key += ')';
    key += sTarget;
    return key;
}

std::string listTargetClass(std::string_view sourceClass) {
    if (sourceClass == "Sim") {
        return "PFD";
    }
    if (sourceClass == "PFD") {
        return "PPID";
    }
    return "";
}

std::string defaultMappedSymbol(std::string_view mapping) {
    return std::string(mapping.substr(0, mapping.find(';')));
}

std::string collapseDoubledBackslashes(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (size_t pos = 0; pos < text.size(); ++pos) {
        result += text[pos];
        if (text[pos] == '\\' && pos + 1 < text.size() && text[pos + 1] == '\\') {
            ++pos; // the second of the pair goes; the scan resumes after it
        }
    }
    return result;
}

std::string normaliseSymbolPath(std::string_view strSymbol) {
    const size_t head = offsetAfter(strSymbol, 2).value_or(strSymbol.size());
    return std::string(strSymbol.substr(0, head)) + collapseDoubledBackslashes(strSymbol.substr(head));
}

std::string symbolRelativeToRoot(std::string_view strSymbol, std::string_view rootPath) {
    return dropLeadingCharacters(strSymbol,
                                 utf8::characterCount(AddTrailingBackslash(std::string(rootPath))));
}

std::string mapLookupSymbol(std::string_view strSymbol, std::string_view rootPath) {
    return collapseDoubledBackslashes(symbolRelativeToRoot(strSymbol, rootPath));
}

std::string libraryRelativeSymbol(std::string_view strSymbol, std::string_view rootFolderPath) {
    return symbolRelativeToRoot(normaliseSymbolPath(strSymbol), rootFolderPath);
}

std::string mapSymbolFolder(std::string_view mapSymbol) {
    const std::string normalised = collapseDoubledBackslashes(mapSymbol);
    const size_t last = normalised.rfind('\\');
    return last == std::string::npos ? std::string() : normalised.substr(0, last);
}

std::string dropLeadingBackslash(std::string_view mapSymbol) {
    return std::string(mapSymbol.starts_with('\\') ? mapSymbol.substr(1) : mapSymbol);
}

std::optional<std::string> mappingWithMapSymbolFirst(std::string_view mapSymbol, std::string_view mapping) {
    const std::string symbol = dropLeadingBackslash(mapSymbol);
    if (symbol.empty() || mapping.find(symbol) != std::string_view::npos) {
        return std::nullopt;
    }
    return symbol + ";" + std::string(mapping);
}

std::string nextObjectSymbol(std::string_view mapping, std::string_view relativeOldSymbol,
                             std::string_view rootPath) {
    if (mapping.find(';') == std::string_view::npos) {
        return "";
    }
    const std::vector<std::string_view> symbols = splitAtSemicolons(mapping);
    bool seen = false;
    // The second pass wraps round from the last symbol to the first.
    for (int pass = 0; pass < 2; ++pass) {
        for (std::string_view symbol : symbols) {
            if (symbol.empty()) {
                continue;
            }
            if (symbol == relativeOldSymbol) {
                if (seen) {
                    return "";
                }
                seen = true;
            } else if (seen) {
                return AddTrailingBackslash(std::string(rootPath)) + std::string(symbol);
            }
        }
    }
    return "";
}

} // namespace kv380
