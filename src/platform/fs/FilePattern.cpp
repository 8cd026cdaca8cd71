#include "platform/fs/FilePattern.h"

#include "platform/fs/CaseFolding.h"

#include <vector>

namespace kv380::fs {

bool matchesFilePattern(std::string_view name, std::string_view pattern, MatchCase matchCase) {
    const bool ignoreCase = matchCase == MatchCase::IgnoreCase;
    const std::vector<char32_t> n = ignoreCase ? foldedName(name) : decodeUtf8(name);
    const std::vector<char32_t> p = ignoreCase ? foldedName(pattern) : decodeUtf8(pattern);
    // Greedy match that returns to the last "*" on a mismatch: linear in practice, never exponential.
    size_t ni = 0;
    size_t pi = 0;
    size_t starPi = p.size();
    size_t starNi = 0;
    while (ni < n.size()) {
        if (pi < p.size() && p[pi] == U'*') {
            starPi = pi++;
            starNi = ni;
        } else if (pi < p.size() && (p[pi] == U'?' || p[pi] == n[ni])) {
            ++pi;
            ++ni;
        } else if (starPi != p.size()) {
            pi = starPi + 1;
            ni = ++starNi;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == U'*') {
        ++pi;
    }
    return pi == p.size();
}

} // namespace kv380::fs
