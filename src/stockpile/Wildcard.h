#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
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
// Text that is not valid UTF-8 is read as platform/convert/Utf8.h reads it: each byte of an invalid
// sequence is one character of its own, with a value above U+10FFFF that no valid character has, in names
// and patterns alike. So such a byte matches "?" or the same byte, and no range of valid characters.
namespace kv380 {

class WildcardPattern {
public:
    // Compiles the pattern; a malformed one raises 93.
    explicit WildcardPattern(std::string_view pattern);

    // Whether the whole name matches. Never allocates, and runs in time proportional to the name's length
    // for patterns whose runs between stars are at most 64 characters long (the name's length times the
    // pattern's at worst): nothing is ever tried again by backtracking. `steps`, when given, receives the
    // number of elementary steps taken, so tests can bound the work.
    bool matches(std::string_view name, std::size_t* steps = nullptr) const;

private:
    enum class Kind : std::uint8_t { Literal, AnyChar, Digit, List };
    struct Token {
        Kind kind;
        bool negated{false};    // List
        char32_t ch{0};         // Literal
        std::uint32_t first{0}; // List: its ranges are m_ranges[first, first + count)
        std::uint32_t count{0};
    };
    struct Range {
        char32_t low;
        char32_t high;
    };
    // The tokens between two stars (or an end of the pattern); each takes exactly one character. The
    // first 64, the head, are searched for bit-parallel: bit k of a character's mask says whether token
    // first + k accepts it, and the set of partial matches advances with one shift and one AND.
    struct Segment {
        std::uint32_t first{0}; // m_tokens[first, first + length)
        std::uint32_t length{0};
        std::uint32_t column{0};     // the column of m_asciiMasks that holds the head's bits...
        std::uint32_t shift{0};      // ...from this bit up
        std::uint64_t flipAscii{0};  // head tokens whose ASCII rows list the characters they refuse
        std::uint64_t nonAscii{0};   // head tokens that accept every character beyond ASCII
        std::uint32_t firstAsked{0}; // head tokens that have to be asked about such a character:
        std::uint32_t askedCount{0}; // m_asked[firstAsked, firstAsked + askedCount), offsets from `first`
        std::uint32_t headLength() const { return length < 64 ? length : 64; }
    };

    void addToken(const Token& token);
    void buildMasks();
    bool accepts(const Token& token, char32_t c, std::size_t& steps) const;
    std::uint64_t headMask(const Segment& segment, char32_t c, std::size_t& steps) const;
    bool matchAt(const Segment& segment, std::uint32_t from, std::string_view name, std::size_t& pos,
                 std::size_t& steps) const;
    bool findNext(const Segment& segment, std::string_view name, std::size_t& pos, std::size_t& steps) const;
    bool matchesAtEnd(const Segment& segment, std::string_view name, std::size_t pos,
                      std::size_t& steps) const;

    // The literal characters the pattern begins with, compared byte for byte before anything is decoded.
    std::string m_prefix;
    // The rest of the pattern: m_segments[0] * m_segments[1] * ... (one segment when it has no star; the
    // first and last may be empty, the others never are).
    std::vector<Segment> m_segments;
    std::vector<Token> m_tokens;
    std::vector<Range> m_ranges;
    std::vector<std::uint32_t> m_asked;
    std::vector<std::uint64_t> m_asciiMasks; // 128 rows (one per ASCII character) of m_columns words
    std::size_t m_columns{0};
    std::size_t m_minBytes{0}; // no shorter name can match: each token takes at least one byte
};

// Whether `name` matches `pattern` (see WildcardPattern). A malformed pattern raises 93.
bool matchesWildcard(std::string_view name, std::string_view pattern);

// The filter test of the stockpile list: the filter text without surrounding spaces, empty passes every
// name; otherwise a trailing "*" is supplied when missing, so plain text is a case-sensitive prefix test.
// A malformed pattern raises 93 (the control reports it and the name does not pass). Compiles the filter
// for this one name; a fill compiles it once with ListFilter.
bool passesFilter(std::string_view name, std::string_view filterText);

} // namespace kv380
