#include "platform/fs/FilePattern.h"

#include "platform/convert/Utf8.h"

namespace kv380::fs {
namespace {

// Simple lower-case folding for the alphabets file names commonly use. Invalid bytes read as values above
// every character and stay as they are.
char32_t foldCase(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return c + 0x20;
    }
    if (c == 0x178) {
        return 0xFF; // Ÿ -> ÿ
    }
    // Latin Extended-A pairs upper/lower case in neighbouring code points (İ and ı have no partner).
    if ((c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) {
        return c | 1;
    }
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) {
        return (c % 2 == 1) ? c + 1 : c;
    }
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) {
        return c + 0x20; // Greek capitals
    }
    if (c == 0x3C2) {
        return 0x3C3; // final sigma is a sigma
    }
    if (c >= 0x410 && c <= 0x42F) {
        return c + 0x20; // Cyrillic capitals
    }
    if (c >= 0x400 && c <= 0x40F) {
        return c + 0x50; // Cyrillic capitals with marks (Ѐ..Џ)
    }
    if (c >= 0xFF21 && c <= 0xFF3A) {
        return c + 0x20; // full-width Latin capitals
    }
    return c;
}

} // namespace

bool matchesFilePattern(std::string_view name, std::string_view pattern, MatchCase matchCase) {
    const bool fold = matchCase == MatchCase::IgnoreCase;
    const auto read = [fold](std::string_view text, std::size_t& pos) {
        const char32_t c = utf8::decode(text, pos);
        return fold ? foldCase(c) : c;
    };
    // Greedy match that returns to the last "*" on a mismatch: linear in practice, never exponential.
    // Positions are byte offsets at character starts.
    std::size_t ni = 0;
    std::size_t pi = 0;
    std::size_t afterStar = std::string_view::npos; // where the pattern resumes after the last "*"
    std::size_t starNi = 0;                         // where that "*"'s run currently ends in the name
    while (ni < name.size()) {
        if (pi < pattern.size()) {
            std::size_t nextPi = pi;
            const char32_t p = read(pattern, nextPi);
            if (p == U'*') {
                afterStar = pi = nextPi;
                starNi = ni;
                continue;
            }
            std::size_t nextNi = ni;
            const char32_t n = read(name, nextNi);
            if (p == U'?' || p == n) {
                pi = nextPi;
                ni = nextNi;
                continue;
            }
        }
        if (afterStar == std::string_view::npos) {
            return false;
        }
        pi = afterStar;
        utf8::decode(name, starNi);
        ni = starNi;
    }
    while (pi < pattern.size() && pattern[pi] == '*') {
        ++pi;
    }
    return pi == pattern.size();
}

} // namespace kv380::fs
