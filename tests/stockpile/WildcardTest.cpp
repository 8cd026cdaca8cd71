#include "stockpile/Wildcard.h"

#include "platform/AutomationError.h"

#include <gtest/gtest.h>

#include <string>

namespace kv380 {
namespace {

struct Case {
    const char* pattern;
    const char* name;
    bool matches;
};

void expectCases(std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(matchesWildcard(c.name, c.pattern), c.matches)
            << "pattern \"" << c.pattern << "\" name \"" << c.name << '"';
    }
}

TEST(Wildcard, PlainTextMatchesItselfCaseSensitively) {
    expectCases({
        {"abc", "abc", true},
        {"abc", "abcd", false},
        {"abc", "ab", false},
        {"ABC", "abc", false},
        {"", "", true},
        {"", "a", false},
        {"!a", "!a", true}, // "!" outside brackets is an ordinary character
        {"!a", "a", false},
        {"a]-", "a]-", true},
    });
}

TEST(Wildcard, QuestionMarkStarAndHash) {
    expectCases({
        {"a?c", "abc", true},
        {"a?c", "ac", false},
        {"a?c", "abbc", false},
        {"a*c", "ac", true},
        {"a*c", "abbbc", true},
        {"a*c", "abcd", false},
        {"*", "", true},
        {"**a**", "xa", true},
        {"#", "5", true},
        {"#", "a", false},
        {"a#b", "a12b", false},
        {"##", "42", true},
        {"#", "\u0663", false}, // only 0-9 are digits
    });
}

TEST(Wildcard, BracketListsRangesAndNegation) {
    expectCases({
        {"[abc]", "b", true},     {"[abc]", "d", false},   {"[a-c]x", "bx", true},
        {"[a-c]", "d", false},    {"[a-cx-z]", "y", true}, {"[a-a]", "a", true},
        {"[!a-c]", "d", true},    {"[!a-c]", "b", false},  {"[!0-9]*", "7up", false},
        {"[!0-9]*", "up7", true}, {"[-a]", "-", true}, // a hyphen first or last stands for itself
        {"[a-]", "-", true},      {"[a-]", "b", false},    {"[!-]", "-", false},
        {"[!-]", "a", true},      {"[!]", "x", true},      {"[!]", "", false},
        {"[!a]", "!", true},      {"[[]", "[", true}, // brackets quote the wildcard characters
        {"[*]", "*", true},       {"[*]", "x", false},     {"[?]", "?", true},
        {"[#]", "#", true},       {"[a-c]]", "b]", true},
    });
}

TEST(Wildcard, EmptyBracketsMatchTheEmptyStringWithoutTakingACharacter) {
    expectCases({
        {"a[]b", "ab", true},
        {"a[]b", "axb", false},
        {"[]", "", true},
        {"[]", "a", false},
        {"[][]*[]", "xyz", true},
    });
}

TEST(Wildcard, CharactersAreCodePointsOfUtf8Text) {
    expectCases({
        {"?", "\u00e9", true}, // two bytes, one character
        {"??", "\u00e9", false},
        {"[\u00e0-\u00fc]", "\u00e9", true},
        {"[\u00e0-\u00fc]", "e", false},
        {"[!\u00e9]", "e", true},
        {"[!\u00e9]", "\u00e9", false},
        {"\u65e5*", "\u65e5\u672c", true},
        {"?\u672c", "\u65e5\u672c", true},
        {"?", "\U0001F600", true}, // four bytes
        {"*\U0001F600", "a\U0001F600", true},
        {"a?b", "a\u00e9b", true},
    });
}

TEST(Wildcard, BytesThatAreNotUtf8AreCharactersOfTheirOwn) {
    expectCases({
        {"?", "\xff", true},
        {"\xff", "\xff", true},
        {"\xfe", "\xff", false},
        {"??", "\xe2\x82", true}, // a cut-off sequence: two stray bytes
        {"?", "\xe2\x82", false},
        {"??", "\xc0\xaf", true}, // overlong "/"
        {"/", "\xc0\xaf", false},
        {"???", "\xed\xa0\x80", true}, // an encoded surrogate
        // A stray 0x80 never equals a character that decodes from valid text.
        {"\x80", "\xed\xb2\x80", false},
        {"?", "\xed\xb2\x80", false},
        {"a?c",
         "a\x80"
         "c",
         true},
    });
}

TEST(Wildcard, MalformedPatternsAreInvalidPatternStrings) {
    for (const char* pattern : {"[z-a]", "[abc", "a[", "[!", "[a-c", "x[b-a]*", "[\u00fc-\u00e0]"}) {
        try {
            WildcardPattern{pattern};
            ADD_FAILURE() << "accepted \"" << pattern << '"';
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.number(), 93) << pattern;
        }
    }
}

TEST(Wildcard, StarsAgainstLongNamesTakeLinearlyManySteps) {
    const std::string pattern = "a*a*a*a*a*a*a*a*b";
    const WildcardPattern compiled(pattern);
    const std::string as(10000, 'a');
    const std::size_t bound = 4 * (as.size() + 1) * (pattern.size() + 1);

    std::size_t steps = 0;
    EXPECT_FALSE(compiled.matches(as, &steps));
    EXPECT_GT(steps, as.size()); // every character was looked at
    EXPECT_LE(steps, bound);

    EXPECT_TRUE(compiled.matches(as + "b", &steps));
    EXPECT_LE(steps, bound);

    const std::string lists = "[a-c][!x]*[a-c][!x]*[a-c][!x]*d";
    EXPECT_FALSE(WildcardPattern(lists).matches(as, &steps));
    EXPECT_LE(steps, 4 * (as.size() + 1) * (lists.size() + 1));
}

TEST(Wildcard, FilterIsATrimmedPrefixPatternAndEmptyPassesAll) {
    struct FilterCase {
        const char* name;
        const char* filter;
        bool passes;
    };
    const FilterCase cases[] = {
        {"P-101", "P-1", true},   {"P-1", "P-1", true},   {"p-101", "P-1", false},
        {"XP-1", "P-1", false},   {"ABC", "A?C", true},   {"ABCD", "A?C", true},
        {"AC", "A?C", false},     {"anything", "", true}, {"anything", "   ", true},
        {"ABC", "  A  ", true},   {"Ab", "A*", true},     {"1abc", "[!0-9]*", false},
        {"abc", "[!0-9]*", true}, {"x", "[]", true},      {"", "", true},
    };
    for (const FilterCase& c : cases) {
        EXPECT_EQ(passesFilter(c.name, c.filter), c.passes)
            << "name \"" << c.name << "\" filter \"" << c.filter << '"';
    }
    try {
        passesFilter("abc", " [abc ");
        ADD_FAILURE() << "a malformed filter passed";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), 93);
    }
}

} // namespace
} // namespace kv380
