#include "platform/fs/FilePattern.h"

#include "platform/convert/Utf8.h"
#include "platform/fs/CaseFolding.h"

namespace kv380::fs {

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
