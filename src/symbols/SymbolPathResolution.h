#pragma once

#include "symbols/SymbolFinder.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kv380 {

// The error number under which a symbol that cannot be found is reported.
inline constexpr int32_t SymbolNotFoundNumber = 9999;

// What becomes of one object's stored symbol path when the paths of a view are made absolute.
struct SymbolPathResolution {
    enum class Outcome {
        Kept,     // no symbol, or the path leads to a file as it stands: the object is not written
        Replaced, // the object's Symbol becomes newSymbol
        NotFound, // the object's Symbol is cleared (newSymbol is ""), and the user is told
    };

    Outcome outcome = Outcome::Kept;
    // The path that was looked for: the stored one without a leading "\\".
    std::string path;
    // Replaced: the absolute path found. NotFound: "".
    std::string newSymbol;

    bool writesSymbol() const { return outcome != Outcome::Kept; }
    bool succeeded() const { return outcome != Outcome::NotFound; }

    // NotFound: the description of the report, naming the object by its key. The key is taken here rather
    // than up front so that the object is asked for it only when a symbol is missing.
    std::string description(std::string_view objectKey) const;
    // NotFound: the line added to the message shown to the user: the description and a line break.
    std::string messageLine(std::string_view objectKey) const;
};

// Resolves a stored symbol path against the symbol root, in this order: the path as it stands (a leading
// "\\" dropped; an empty path is kept as it is), the root directory (the root folder's path with its trailing
// "\") followed by the path, then the file name alone, looked for below the root. `finder` answers both the
// tests of a path and the search by name, as its pass sees the disk. Errors of the search (a folder that
// cannot be listed) reach the caller.
// The stored path is taken by value: the resolution keeps it (as `path`), so a caller done with it moves it
// in.
SymbolPathResolution resolveSymbolPath(std::string strSymbol, std::string_view strRootDirectory,
                                       SymbolFinder& finder);

} // namespace kv380
