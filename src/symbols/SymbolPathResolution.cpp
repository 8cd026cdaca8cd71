#include "symbols/SymbolPathResolution.h"

#include "symbols/FileSystemUtilities.h"

namespace kv380 {

std::string SymbolPathResolution::description(std::string_view objectKey) const {
    std::string text = "Could not find symbol ";
    text += path;
    text += " for item ";
    text += objectKey;
    return text;
}

std::string SymbolPathResolution::messageLine(std::string_view objectKey) const {
    return description(objectKey) + "\r\n";
}

SymbolPathResolution resolveSymbolPath(std::string strSymbol, std::string_view strRootDirectory,
                                       SymbolFinder& finder) {
    SymbolPathResolution result;
    result.path = std::move(strSymbol);
    if (result.path.starts_with("\\\\")) {
        result.path.erase(0, 2);
    }

    // An object without a symbol has nothing to resolve; it is not listed either, so there is nothing to
    // tell the user about it. A path that works as it stands is left exactly as stored, "\\" included.
    if (result.path.empty() || finder.fileExists(result.path)) {
        return result;
    }
    std::string underRoot = std::string(strRootDirectory) + result.path;
    if (finder.fileExists(underRoot)) {
        result.outcome = SymbolPathResolution::Outcome::Replaced;
        result.newSymbol = std::move(underRoot);
        return result;
    }
    if (const auto found = finder.find(FileNameOf(result.path))) {
        result.outcome = SymbolPathResolution::Outcome::Replaced;
        result.newSymbol = found->Path();
        return result;
    }
    result.outcome = SymbolPathResolution::Outcome::NotFound;
    return result;
}

} // namespace kv380
