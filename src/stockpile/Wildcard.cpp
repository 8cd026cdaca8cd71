#include "stockpile/Wildcard.h"

#include "platform/AutomationError.h"
#include "platform/convert/Convert.h"

#include <string>

namespace kv380 {

namespace {

// A byte that does not start a valid sequence stands for itself, moved where no valid text can reach.
constexpr char32_t StrayByteBase = 0xDC00;

bool isContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Decodes the character at text[i] and moves i past it. Overlong forms, surrogates and values beyond
// U+10FFFF are not valid UTF-8; their first byte is read as a stray byte and decoding resumes after it.
char32_t nextChar(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b0 = byte(i);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    std::size_t length = 0;
    unsigned char low = 0x80; // the valid range of the second byte, which rules out overlongs and surrogates
    unsigned char high = 0xBF;
    char32_t value = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
        value = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        value = b0 & 0x0F;
        low = b0 == 0xE0 ? 0xA0 : 0x80;
        high = b0 == 0xED ? 0x9F : 0xBF;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        value = b0 & 0x07;
        low = b0 == 0xF0 ? 0x90 : 0x80;
        high = b0 == 0xF4 ? 0x8F : 0xBF;
    }
    bool valid = length != 0 && i + length <= text.size();
    if (valid) {
        valid = byte(i + 1) >= low && byte(i + 1) <= high;
        for (std::size_t k = 1; valid && k < length; ++k) {
            valid = isContinuation(byte(i + k));
            value = (value << 6) | (byte(i + k) & 0x3F);
        }
    }
    if (!valid) {
        ++i;
        return StrayByteBase + b0;
    }
    i += length;
    return value;
}

} // namespace

WildcardPattern::WildcardPattern(std::string_view pattern) {
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char32_t c = nextChar(pattern, i);
        switch (c) {
        case U'*':
            // A run of stars is one star; it also keeps the state set small.
            if (m_tokens.empty() || m_tokens.back().kind != Kind::Star) {
                m_tokens.push_back({Kind::Star});
            }
            break;
        case U'?':
            m_tokens.push_back({Kind::AnyChar});
            break;
        case U'#':
            m_tokens.push_back({Kind::Digit});
            break;
        case U'[': {
            std::u32string list;
            bool closed = false;
            while (i < pattern.size()) {
                const char32_t member = nextChar(pattern, i);
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
            token.first = m_ranges.size();
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
            token.count = m_ranges.size() - token.first;
            m_tokens.push_back(token);
            break;
        }
        default:
            m_tokens.push_back({Kind::Literal, c});
            break;
        }
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
        for (std::size_t r = token.first; r < token.first + token.count && !inList; ++r) {
            ++steps;
            inList = c >= m_ranges[r].low && c <= m_ranges[r].high;
        }
        return inList != token.negated;
    }
    case Kind::Star:
        return true;
    }
    return false;
}

bool WildcardPattern::matches(std::string_view name, std::size_t* steps) const {
    // State s means "the first s tokens have matched the name so far"; all live states advance together.
    const std::size_t m = m_tokens.size();
    std::vector<char> current(m + 1, 0);
    std::vector<char> next(m + 1, 0);
    std::size_t count = 0;

    // A star may also match nothing, so reaching it reaches the state after it.
    const auto closeOverStars = [&](std::vector<char>& states) {
        bool live = states[m] != 0;
        for (std::size_t s = 0; s < m; ++s) {
            ++count;
            if (states[s] && m_tokens[s].kind == Kind::Star) {
                states[s + 1] = 1;
            }
            live = live || states[s];
        }
        return live;
    };

    current[0] = 1;
    bool live = closeOverStars(current);
    std::size_t i = 0;
    while (live && i < name.size()) {
        const char32_t c = nextChar(name, i);
        next.assign(m + 1, 0);
        for (std::size_t s = 0; s < m; ++s) {
            ++count;
            if (!current[s]) {
                continue;
            }
            const Token& token = m_tokens[s];
            if (token.kind == Kind::Star) {
                next[s] = 1;
            } else if (accepts(token, c, count)) {
                next[s + 1] = 1;
            }
        }
        current.swap(next);
        live = closeOverStars(current);
    }
    if (steps) {
        *steps = count;
    }
    return live && i >= name.size() && current[m];
}

bool matchesWildcard(std::string_view name, std::string_view pattern) {
    return WildcardPattern(pattern).matches(name);
}

bool passesFilter(std::string_view name, std::string_view filterText) {
    std::string pattern = convert::trimSpaces(filterText);
    if (pattern.empty()) {
        return true;
    }
    if (pattern.back() != '*') {
        pattern.push_back('*');
    }
    return WildcardPattern(pattern).matches(name);
}

} // namespace kv380
