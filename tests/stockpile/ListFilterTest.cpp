#include "stockpile/ListFilter.h"

#include <gtest/gtest.h>

namespace kv380 {
namespace {

TEST(ListFilter, BlankTextPassesEveryName) {
    for (const char* text : {"", " ", "    "}) {
        const ListFilter filter(text);
        EXPECT_FALSE(filter.malformed());
        EXPECT_EQ(filter.error(), nullptr);
        EXPECT_TRUE(filter.passes("P-101"));
        EXPECT_TRUE(filter.passes(""));
    }
}

TEST(ListFilter, PlainTextIsACaseSensitivePrefixTestWithOnlySpacesTrimmed) {
    const ListFilter filter("  P-1 ");
    EXPECT_TRUE(filter.passes("P-1"));
    EXPECT_TRUE(filter.passes("P-101A"));
    EXPECT_FALSE(filter.passes("p-101"));
    EXPECT_FALSE(filter.passes("XP-1"));
    EXPECT_FALSE(filter.passes("P-"));
    // A tab is not a blank here: it stays part of the pattern.
    EXPECT_FALSE(ListFilter("\tP").passes("P-1"));
    EXPECT_TRUE(ListFilter("\tP").passes("\tP-1"));
}

TEST(ListFilter, WildcardsWorkAndATrailingStarIsNotDoubled) {
    EXPECT_TRUE(ListFilter("FV-[0-9]#").passes("FV-2031"));
    EXPECT_FALSE(ListFilter("FV-[0-9]#").passes("FV-A031"));
    EXPECT_TRUE(ListFilter("*-10?").passes("P-101A"));
    EXPECT_TRUE(ListFilter("TK-*A").passes("TK-400A"));
    EXPECT_TRUE(ListFilter("TK-*A").passes("TK-400AB")); // the supplied "*" follows the "A"
    EXPECT_FALSE(ListFilter("TK-*A").passes("TK-400B"));
    EXPECT_TRUE(ListFilter("P*").passes("P"));
    EXPECT_TRUE(ListFilter("[!X]").passes("P-1"));
    EXPECT_FALSE(ListFilter("[!X]").passes("X-1"));
}

TEST(ListFilter, AMalformedPatternIsKeptAndRaisedOnEveryCall) {
    const ListFilter filter(" [abc ");
    EXPECT_TRUE(filter.malformed());
    ASSERT_NE(filter.error(), nullptr);
    EXPECT_EQ(filter.error()->number(), err::InvalidPattern);
    for (int call = 0; call < 2; ++call) {
        try {
            filter.passes("abc");
            ADD_FAILURE() << "a malformed filter passed a name";
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.number(), err::InvalidPattern);
            EXPECT_EQ(e.description(), filter.error()->description());
        }
    }
    EXPECT_TRUE(ListFilter("[z-a]").malformed());
}

} // namespace
} // namespace kv380
