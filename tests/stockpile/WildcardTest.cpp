#include "stockpile/Wildcard.h"

#include "platform/AutomationError.h"
#include "platform/convert/Utf8.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

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

TEST(Wildcard, OverlongFormsAndSurrogatesAreBytesInPatternsAndNamesAlike) {
    expectCases({
        {"\xc0\xaf", "\xc0\xaf", true}, // each invalid byte matches itself
        {"\xc0\xaf", "/", false},
        {"/", "\xc0\xaf", false},
        {"\xe0\x80\xaf*", "\xe0\x80\xafx", true},
        {"?*", "\xe0\x80\xaf", true},
        {"?", "\xe0\x80\xaf", false},
        {"a\xed\xa0\x80"
         "b",
         "a\xed\xa0\x80"
         "b",
         true},
        {"a???b",
         "a\xed\xa0\x80"
         "b",
         true},
        {"a?b",
         "a\xed\xa0\x80"
         "b",
         false},
        {"\xed\xa0\x80", "\xed\xa0\x81", false},
    });
}

TEST(Wildcard, AnInvalidByteIsInNoRangeOfCharacters) {
    expectCases({
        {"[\u0100-\U0010ffff]", "\xff", false},
        {"[\u0100-\U0010ffff]", "\xed\xb2\x80", false},
        {"[!\u0100-\U0010ffff]", "\xff", true},
        {"[\x80-\xff]", "\xa5", true}, // a range between invalid bytes holds the bytes between
        {"[\x80-\xff]", "\u00e9", false},
    });
}

TEST(Wildcard, ALiteralStartComparedByBytesStillReadsWholeCharacters) {
    expectCases({
        {"\xe2\x82*", "\xe2\x82\xac", false}, // a cut-off sequence is two bytes, the name one character
        {"\xe2\x82*", "\xe2\x82x", true},
        {"\xc3*", "\xc3\xa9", false},
        {"\xc3*", "\xc3", true},
        {"\xe2\x82\xac*", "\xe2\x82\xac\xac", true},
        {"\xa9*", "\xa9\xa9", true},
        {"a[]\xe2\x82\xac", "a\xe2\x82\xac", true},
        {"\u00e9t\u00e9*", "\u00e9t\u00e9", true},
        {"\u00e9t\u00e9*", "\u00e9t", false},
        {"P-1*", "P-", false},
        {"P-1", "P-1", true},
        {"P-1", "P-10", false},
    });
}

TEST(Wildcard, RunsLongerThanSixtyFourCharactersBetweenStars) {
    const std::string run = std::string(70, 'a') + "b";
    const WildcardPattern inside("*" + run + "*");
    EXPECT_TRUE(inside.matches(std::string(100, 'a') + "b" + std::string(5, 'c')));
    EXPECT_FALSE(inside.matches(std::string(69, 'a') + "b"));
    EXPECT_FALSE(inside.matches(std::string(100, 'a') + "c"));
    const WildcardPattern atEnd("*" + std::string(70, '?') + "#");
    EXPECT_TRUE(atEnd.matches(std::string(80, 'x') + "7"));
    EXPECT_TRUE(atEnd.matches(std::string(70, 'x') + "7"));
    EXPECT_FALSE(atEnd.matches(std::string(69, 'x') + "7"));
    EXPECT_FALSE(atEnd.matches(std::string(80, 'x') + "7x"));
    const WildcardPattern whole(std::string(65, '?'));
    EXPECT_TRUE(whole.matches(std::string(65, 'z')));
    EXPECT_FALSE(whole.matches(std::string(64, 'z')));
}

// The plain reading of the rules, tried at every split of the name: slow, but obviously right.
class ReferenceMatcher {
public:
    explicit ReferenceMatcher(std::string_view pattern) {
        std::vector<char32_t> p = read(pattern);
        for (std::size_t i = 0; i < p.size(); ++i) {
            Item item;
            if (p[i] == U'*' || p[i] == U'?' || p[i] == U'#') {
                item.kind = static_cast<char>(p[i]);
            } else if (p[i] == U'[') {
                std::size_t close = i + 1;
                while (close < p.size() && p[close] != U']') {
                    ++close;
                }
                std::vector<char32_t> list(p.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                           p.begin() + static_cast<std::ptrdiff_t>(close));
                i = close;
                if (list.empty()) {
                    continue;
                }
                item.kind = '[';
                std::size_t k = 0;
                if (list[0] == U'!') {
                    item.negated = true;
                    k = 1;
                }
                for (; k < list.size(); ++k) {
                    if (k + 2 < list.size() && list[k + 1] == U'-') {
                        item.ranges.push_back({list[k], list[k + 2]});
                        k += 2;
                    } else {
                        item.ranges.push_back({list[k], list[k]});
                    }
                }
            } else {
                item.kind = 'L';
                item.ch = p[i];
            }
            m_items.push_back(item);
        }
    }

    bool matches(std::string_view name) const {
        const std::vector<char32_t> n = read(name);
        // at[pi][ni]: the items from pi on match the characters from ni on.
        std::vector<std::vector<char>> at(m_items.size() + 1, std::vector<char>(n.size() + 1, 0));
        at[m_items.size()][n.size()] = 1;
        for (std::size_t pi = m_items.size(); pi-- > 0;) {
            const Item& item = m_items[pi];
            for (std::size_t ni = n.size() + 1; ni-- > 0;) {
                if (item.kind == '*') {
                    at[pi][ni] = at[pi + 1][ni] || (ni < n.size() && at[pi][ni + 1]);
                } else {
                    at[pi][ni] = ni < n.size() && accepts(item, n[ni]) && at[pi + 1][ni + 1];
                }
            }
        }
        return at[0][0] != 0;
    }

private:
    struct Item {
        char kind{};
        char32_t ch{};
        bool negated{false};
        std::vector<std::pair<char32_t, char32_t>> ranges;
    };

    static std::vector<char32_t> read(std::string_view text) {
        std::vector<char32_t> out;
        for (std::size_t pos = 0; pos < text.size();) {
            out.push_back(utf8::decode(text, pos));
        }
        return out;
    }

    static bool accepts(const Item& item, char32_t c) {
        switch (item.kind) {
        case '?':
            return true;
        case '#':
            return c >= U'0' && c <= U'9';
        case '[': {
            bool in = false;
            for (const auto& [low, high] : item.ranges) {
                in = in || (c >= low && c <= high);
            }
            return in != item.negated;
        }
        default:
            return c == item.ch;
        }
    }

    std::vector<Item> m_items;
};

TEST(Wildcard, AgreesWithThePlainReadingOnRandomPatternsAndNames) {
    // Pieces that join into valid characters, cut-off sequences and stray bytes across their seams.
    const std::vector<std::string> patternPieces = {
        "a",
        "b",
        "1",
        "*",
        "*",
        "?",
        "#",
        "[a-b]",
        "[!a]",
        "[0-9a]",
        "[]",
        "\u00e9",
        "\xe2\x82",
        "\xac",
        "\xc3",
        "\x80",
        "[\u00e0-\u00ff]",
        "[!\xe2]",
        "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"};
    const std::vector<std::string> namePieces = {"a",
                                                 "a",
                                                 "b",
                                                 "1",
                                                 "7",
                                                 "\u00e9",
                                                 "\xe2",
                                                 "\x82",
                                                 "\xac",
                                                 "\xc3",
                                                 "\x80",
                                                 "x",
                                                 "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"};
    std::mt19937 random(380);
    const auto build = [&](const std::vector<std::string>& pieces, int maxPieces) {
        std::string text;
        const int count = std::uniform_int_distribution<int>(0, maxPieces)(random);
        for (int i = 0; i < count; ++i) {
            text += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
        }
        return text;
    };
    int matched = 0;
    for (int round = 0; round < 2000; ++round) {
        const std::string pattern = build(patternPieces, 7);
        const WildcardPattern compiled(pattern);
        const ReferenceMatcher reference(pattern);
        for (int n = 0; n < 8; ++n) {
            const std::string name = build(namePieces, 8);
            const bool expected = reference.matches(name);
            ASSERT_EQ(compiled.matches(name), expected)
                << "pattern \"" << pattern << "\" name \"" << name << '"';
            matched += expected ? 1 : 0;
        }
    }
    EXPECT_GT(matched, 700); // the random cases are not all misses
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
