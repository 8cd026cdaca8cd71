#include "stockpile/Wildcard.h"

#include "platform/AutomationError.h"
#include "platform/convert/Utf8.h"
#include "stockpile/ListFilter.h"

#include <algorithm>
#include <string>

namespace kv380 {

namespace {

constexpr std::uint64_t bit(std::uint32_t k) {
    return std::uint64_t{1} << k;
}

// Whether a literal may go into the prefix that is compared byte for byte. Any name that begins with the
// prefix's bytes must read the same characters from them: a whole character does, and so does an invalid
// byte that never starts a sequence. A byte that could start one (0xC2 to 0xF4) was invalid in the pattern
// only because of what followed it there, and the name may complete it: "\xE2\x82*" must not pass "€".
bool fitsPrefix(char32_t c) {
    if (!utf8::isInvalidByte(c)) {
        return true;
    }
    const char32_t byte = c - utf8::InvalidByteBase;
    return byte < 0xC2 || byte > 0xF4;
}

} // namespace

WildcardPattern::WildcardPattern(std::string_view pattern) {
    m_segments.reserve(static_cast<std::size_t>(std::count(pattern.begin(), pattern.end(), '*')) + 1);
    m_segments.emplace_back();
    m_tokens.reserve(pattern.size());
    bool inPrefix = true;
    std::size_t prefixEnd = 0;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char32_t c = utf8::decode(pattern, i);
        if (inPrefix && c != U'*' && c != U'?' && c != U'#' && c != U'[' && fitsPrefix(c)) {
            prefixEnd = i;
            continue;
        }
        inPrefix = false;
        switch (c) {
        case U'*':
            // A run of stars is one star, also when empty brackets stand between them.
            if (m_segments.size() == 1 || m_segments.back().length != 0) {
                m_segments.push_back({.first = static_cast<std::uint32_t>(m_tokens.size())});
            }
            break;
        case U'?':
            addToken({Kind::AnyChar});
            break;
        case U'#':
            addToken({Kind::Digit});
            break;
        case U'[': {
            std::u32string list;
            bool closed = false;
            while (i < pattern.size()) {
                const char32_t member = utf8::decode(pattern, i);
                if (member == U']') {
                    closed = true;
                    break;
                }
                list.push_back(member);
            }
            if (!closed) {
                raise(err::InvalidPattern);
            }
            if (list.empty()) {
                break; // "[]" is the empty string: nothing to match
            }
            Token token{Kind::List};
            std::size_t k = 0;
            if (list[0] == U'!') {
                token.negated = true;
                k = 1;
            }
            token.first = static_cast<std::uint32_t>(m_ranges.size());
            while (k < list.size()) {
                // "x-y" is a range; a "-" with nothing on one side stands for itself.
                if (k + 2 < list.size() && list[k + 1] == U'-') {
                    if (list[k + 2] < list[k]) {
                        raise(err::InvalidPattern);
                    }
                    m_ranges.push_back({list[k], list[k + 2]});
                    k += 3;
                } else {
                    m_ranges.push_back({list[k], list[k]});
                    k += 1;
                }
            }
            token.count = static_cast<std::uint32_t>(m_ranges.size() - token.first);
            addToken(token);
            break;
        }
        default:
            addToken({Kind::Literal, false, c});
            break;
        }
    }
    m_prefix = pattern.substr(0, prefixEnd);
    m_minBytes = m_prefix.size() + m_tokens.size();
    buildMasks();
}

void WildcardPattern::addToken(const Token& token) {
    m_tokens.push_back(token);
    ++m_segments.back().length;
}

void WildcardPattern::buildMasks() {
    // Heads share 64-bit columns where they fit, so a pattern of short runs needs one column in all.
    std::uint32_t used = 64;
    for (Segment& segment : m_segments) {
        const std::uint32_t head = segment.headLength();
        if (head == 0) {
            continue;
        }
        if (used + head > 64) {
            ++m_columns;
            used = 0;
        }
        segment.column = static_cast<std::uint32_t>(m_columns - 1);
        segment.shift = used;
        used += head;
    }
    m_asciiMasks.assign(128 * m_columns, 0);
    // A token that accepts most characters (a "?", a "[!list]") is written as the characters it refuses:
    // its bit is set in `flipAscii` and in the rows of its list, so a character's mask is its row XOR the
    // flips. Compiling then costs the lists' lengths, not 128 rows per token.
    for (Segment& segment : m_segments) {
        segment.firstAsked = static_cast<std::uint32_t>(m_asked.size());
        for (std::uint32_t k = 0; k < segment.headLength(); ++k) {
            const Token& token = m_tokens[segment.first + k];
            const auto setRows = [&](char32_t low, char32_t high) {
                for (char32_t c = low; c <= high && c < 128; ++c) {
                    m_asciiMasks[c * m_columns + segment.column] |= bit(segment.shift + k);
                }
            };
            switch (token.kind) {
            case Kind::Literal:
                if (token.ch < 128) {
                    setRows(token.ch, token.ch);
                } else {
                    m_asked.push_back(k);
                }
                break;
            case Kind::AnyChar:
                segment.flipAscii |= bit(k);
                segment.nonAscii |= bit(k);
                break;
            case Kind::Digit:
                setRows(U'0', U'9');
                break;
            case Kind::List: {
                bool beyondAscii = false;
                for (std::uint32_t r = token.first; r < token.first + token.count; ++r) {
                    setRows(m_ranges[r].low, m_ranges[r].high);
                    beyondAscii = beyondAscii || m_ranges[r].high >= 128;
                }
                if (token.negated) {
                    segment.flipAscii |= bit(k);
                }
                if (beyondAscii) {
                    m_asked.push_back(k);
                } else if (token.negated) {
                    segment.nonAscii |= bit(k);
                }
                break;
            }
            }
        }
        segment.askedCount = static_cast<std::uint32_t>(m_asked.size() - segment.firstAsked);
    }
}

bool WildcardPattern::accepts(const Token& token, char32_t c, std::size_t& steps) const {
    switch (token.kind) {
    case Kind::Literal:
        return c == token.ch;
    case Kind::AnyChar:
        return true;
    case Kind::Digit:
        return c >= U'0' && c <= U'9';
    case Kind::List: {
        bool inList = false;
        for (std::uint32_t r = token.first; r < token.first + token.count && !inList; ++r) {
            ++steps;
            inList = c >= m_ranges[r].low && c <= m_ranges[r].high;
        }
        return inList != token.negated;
    }
    }
    return false;
}

// Bits above the head's length may belong to the next head in the same column. The searches only ever
// move bits upwards and look at the head's last bit, so those bits never reach a result.
std::uint64_t WildcardPattern::headMask(const Segment& segment, char32_t c, std::size_t& steps) const {
    if (c < 128) {
        return (m_asciiMasks[c * m_columns + segment.column] >> segment.shift) ^ segment.flipAscii;
    }
    std::uint64_t mask = segment.nonAscii;
    for (std::uint32_t a = segment.firstAsked; a < segment.firstAsked + segment.askedCount; ++a) {
        ++steps;
        if (accepts(m_tokens[segment.first + m_asked[a]], c, steps)) {
            mask |= bit(m_asked[a]);
        }
    }
    return mask;
}

// Whether the segment's tokens from `from` on match the characters at pos, one each; pos moves past them.
bool WildcardPattern::matchAt(const Segment& segment, std::uint32_t from, std::string_view name,
                              std::size_t& pos, std::size_t& steps) const {
    for (std::uint32_t k = from; k < segment.length; ++k) {
        if (pos == name.size()) {
            return false;
        }
        ++steps;
        if (!accepts(m_tokens[segment.first + k], utf8::decode(name, pos), steps)) {
            return false;
        }
    }
    return true;
}

// Finds the segment's first match at or after pos and moves pos to its end. Between stars the first match
// is the best one: it leaves the most of the name to the rest of the pattern.
bool WildcardPattern::findNext(const Segment& segment, std::string_view name, std::size_t& pos,
                               std::size_t& steps) const {
    ++steps;
    const std::uint32_t head = segment.headLength();
    const std::uint64_t last = bit(head - 1);
    std::uint64_t partial = 0; // bit k: the head's first k + 1 tokens match the characters just read
    while (pos < name.size()) {
        ++steps;
        partial = ((partial << 1) | 1) & headMask(segment, utf8::decode(name, pos), steps);
        if (partial & last) {
            std::size_t end = pos;
            if (matchAt(segment, head, name, end, steps)) {
                pos = end;
                return true;
            }
        }
    }
    return false;
}

// Whether the segment matches the end of the name somewhere at or after pos.
bool WildcardPattern::matchesAtEnd(const Segment& segment, std::string_view name, std::size_t pos,
                                   std::size_t& steps) const {
    ++steps;
    if (segment.length == 0) {
        return true;
    }
    const std::uint32_t head = segment.headLength();
    const std::uint64_t last = bit(head - 1);
    std::uint64_t partial = 0;
    while (pos < name.size()) {
        ++steps;
        partial = ((partial << 1) | 1) & headMask(segment, utf8::decode(name, pos), steps);
        if (partial & last) {
            std::size_t end = pos;
            if (matchAt(segment, head, name, end, steps) && end == name.size()) {
                return true;
            }
        }
    }
    return false;
}

bool WildcardPattern::matches(std::string_view name, std::size_t* steps) const {
    std::size_t count = 0;
    const auto run = [&] {
        if (name.size() < m_minBytes) {
            return false;
        }
        count += m_prefix.size();
        if (!name.starts_with(m_prefix)) {
            return false;
        }
        std::size_t pos = m_prefix.size();
        if (!matchAt(m_segments.front(), 0, name, pos, count)) {
            return false;
        }
        const std::size_t last = m_segments.size() - 1;
        if (last == 0) {
            return pos == name.size();
        }
        for (std::size_t s = 1; s < last; ++s) {
            if (!findNext(m_segments[s], name, pos, count)) {
                return false;
            }
        }
        return matchesAtEnd(m_segments[last], name, pos, count);
    };
    const bool result = run();
    if (steps) {
        *steps = count;
    }
    return result;
}

bool matchesWildcard(std::string_view name, std::string_view pattern) {
    return WildcardPattern(pattern).matches(name);
}

bool passesFilter(std::string_view name, std::string_view filterText) {
    return ListFilter(filterText).passes(name);
}

} // namespace kv380
