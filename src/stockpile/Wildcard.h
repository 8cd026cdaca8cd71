#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// The list filter's wildcard patterns, matched case-sensitively per character (code point) of UTF-8 text:
//   *        any run of characters, also none
//   ?        any one character
//   #        any one digit 0-9
//   [list]   any one character in the list; a-z in the list is a range by code point
//   [!list]  any one character not in the list ([!] is any one character)
//   []       the empty string: matches without taking a character
// Everything else, "!" and "]" outside brackets included, stands for itself; "[[]", "[*]", "[?]" and "[#]"
// match the bracket and the wildcard characters themselves. In a list, "-" first (after "!") or last
// stands for itself. A range that runs downwards ("[z-a]") or a "[" without its "]" makes the pattern
// malformed: error 93, invalid pattern string.
//
// Text that is not valid UTF-8 is read byte by byte where it fails: each byte that does not start a valid
// sequence is one character of its own, U+DC80 to U+DCFF for bytes 0x80 to 0xFF (no valid UTF-8 text
// decodes to those), in names and patterns alike. So a stray byte matches "?" or the same byte.
namespace kv380 {

class WildcardPattern {
public:
    // Compiles the pattern; a malformed one raises 93.
    explicit WildcardPattern(std::string_view pattern);

    // Whether the whole name matches. Runs in time proportional to the name's length times the pattern's,
    // whatever the pattern: the pattern's positions are followed as a set, never by backtracking. `steps`,
    // when given, receives the number of elementary steps taken, so tests can bound the work.
    bool matches(std::string_view name, std::size_t* steps = nullptr) const;

private:
    enum class Kind { Literal, AnyChar, Digit, List, Star };
    struct Token {
        Kind kind;
        char32_t ch{0};       // Literal
        bool negated{false};  // List
        std::size_t first{0}; // List: its ranges are m_ranges[first, first + count)
        std::size_t count{0};
    };
    struct Range {
        char32_t low;
        char32_t high;
    };

    bool accepts(const Token& token, char32_t c, std::size_t& steps) const;

    std::vector<Token> m_tokens;
    std::vector<Range> m_ranges;
};

// Whether `name` matches `pattern` (see WildcardPattern). A malformed pattern raises 93.
bool matchesWildcard(std::string_view name, std::string_view pattern);

// The filter test of the stockpile list: the filter text without surrounding spaces, empty passes every
// name; otherwise a trailing "*" is supplied when missing, so plain text is a case-sensitive prefix test.
// A malformed pattern raises 93 (the control reports it and the name does not pass).
bool passesFilter(std::string_view name, std::string_view filterText);

} // namespace kv380
