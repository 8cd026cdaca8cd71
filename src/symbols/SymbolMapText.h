#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The texts of the symbol map and the path arithmetic around it. Symbol paths are in system form ("\"
// separates folders); map values are relative symbol paths joined by ";", the first the default. Lengths
// and positions count characters (code points of UTF-8 text; each byte of an invalid sequence counts as
// one, as platform/convert/Utf8.h reads them), so a cut never splits a character.
namespace kv380 {

// The number of characters of the text.
std::size_t characterCount(std::string_view text);

// The text without its first `count` characters; a text with fewer raises 5 (invalid procedure call).
std::string dropLeadingCharacters(std::string_view text, std::size_t count);

// The symbol map's key: identifier, "(", source diagram class, ")", target class. Case-sensitive, and the
// parts are not checked for parentheses.
std::string symbolMapKey(std::string_view sID, std::string_view sDiagramClass, std::string_view sTarget);

// The class the list converts a source class into: "Sim" -> "PFD", "PFD" -> "PPID", any other -> "".
std::string listTargetClass(std::string_view sourceClass);

// The default of a map value: its text before the first ";" (all of it when there is none).
std::string defaultMappedSymbol(std::string_view mapping);

// Every "\\" in the text, read from left to right without overlap, becomes "\". One pass: a run of n
// backslashes becomes ceil(n / 2) of them ("\\\\" -> "\\", "\\\" -> "\\").
std::string collapseDoubledBackslashes(std::string_view text);

// A symbol path with "\\" collapsed after its first two characters, so a network path's leading "\\"
// survives.
std::string normaliseSymbolPath(std::string_view strSymbol);

// The symbol path relative to a symbol root path: the path without as many leading characters as the root
// followed by "\" has (a root that already ends in "\" is not given a second one). Nothing checks that the
// path lies below the root. A path shorter than that raises 5 (invalid procedure call).
std::string symbolRelativeToRoot(std::string_view strSymbol, std::string_view rootPath);

// The relative symbol under which an object's own symbol is looked up in the Symbol Library when the
// symbol map has no mapping for it: relative to the root, then "\\" collapsed. Raises 5 as above.
std::string mapLookupSymbol(std::string_view strSymbol, std::string_view rootPath);

// The relative symbol under which an object's symbol path is looked up in the Symbol Library: normalised
// (first two characters kept), then cut by the root folder's path and its trailing "\". Raises 5 as above.
std::string libraryRelativeSymbol(std::string_view strSymbol, std::string_view rootFolderPath);

// The folder of a map symbol, asked whether it belongs to the target's drawing template: "\\" collapsed,
// then everything before the last "\". A symbol without "\" lies in the root: its folder is "".
std::string mapSymbolFolder(std::string_view mapSymbol);

// The map symbol as it is put into a mapping: one leading "\" dropped.
std::string dropLeadingBackslash(std::string_view mapSymbol);

// The mapping to store so that the object's own map symbol is among its symbols: the map symbol (one
// leading "\" dropped), ";" and the current mapping, or nothing when the mapping already holds it. "Holds"
// is a plain case-sensitive substring test, so a map symbol that is part of a longer path counts as held,
// and a mapping that holds it is never reordered. Seeding an empty mapping gives "M;". A map symbol that is
// empty (after the drop) names no symbol and is never stored.
std::optional<std::string> mappingWithMapSymbolFirst(std::string_view mapSymbol, std::string_view mapping);

// The symbol after the old one in a mapping, for cycling through alternatives: the symbol root, "\" (unless
// the root ends in one) and the element that follows the relative old symbol, wrapping from the last element
// to the first; "" when the mapping has no ";", does not hold the old symbol, or holds it again before any
// other element. Empty elements (a seeded mapping's trailing ";") name no symbol and are passed over.
std::string nextObjectSymbol(std::string_view mapping, std::string_view relativeOldSymbol,
                             std::string_view rootPath);

} // namespace kv380
