#pragma once

#include <string_view>
#include <vector>

// How file names compare "without regard to case": the same folding for pattern matching and for the
// name order a person browses in.
namespace kv380::fs {

// The code points of UTF-8 text, read as platform/convert/Utf8.h reads them: a byte of an invalid sequence
// stands for itself, outside the code point range, so it can neither fold nor equal a real character.
std::vector<char32_t> decodeUtf8(std::string_view text);

// Simple lower-case folding of the alphabets file names commonly use: Latin (with Latin-1 and Latin
// Extended-A), Greek, Cyrillic and full-width Latin. Every other code point stays as it is.
char32_t foldCase(char32_t c);

// The folded code points of a name: what two names are compared by when case does not count.
std::vector<char32_t> foldedName(std::string_view name);

} // namespace kv380::fs
