#include "stockpile/Paging.h"

#include "platform/AutomationError.h"

#include <gtest/gtest.h>

#include <string>

namespace kv380 {
namespace {

TEST(Paging, PageCountIsWholePagesOf254PlusOne) {
    struct Case {
        int32_t views, pages;
    };
    const Case cases[] = {{0, 1},   {1, 1},   {253, 1}, {254, 2}, {300, 2},
                          {507, 2}, {508, 3}, {600, 3}, {-1, 1}};
    for (const Case& c : cases) {
        EXPECT_EQ(pageCountFor(c.views), c.pages) << c.views << " views";
    }
}

TEST(Paging, TotalCaptionAndPageFrame) {
    EXPECT_EQ(pageTotalCaption(1), "of 1 pages");
    EXPECT_EQ(pageTotalCaption(3), "of 3 pages");
    EXPECT_FALSE(showsPageFrame(pageCountFor(253)));
    EXPECT_TRUE(showsPageFrame(pageCountFor(254)));
}

TEST(Paging, EachPageShowsItsShareOfTheViews) {
    struct Case {
        int32_t views, page, first, count;
    };
    const Case cases[] = {
        {253, 1, 1, 253},  {254, 1, 1, 254}, {254, 2, 255, 0},   {300, 1, 1, 254},
        {300, 2, 255, 46}, {600, 1, 1, 254}, {600, 2, 255, 254}, {600, 3, 509, 92},
    };
    for (const Case& c : cases) {
        const PageViews v = viewsOnPage(c.views, pageCountFor(c.views), c.page);
        EXPECT_EQ(v.first, c.first) << c.views << " views, page " << c.page;
        EXPECT_EQ(v.count, c.count) << c.views << " views, page " << c.page;
    }
    // A single page shows all views whatever page number is current.
    EXPECT_EQ(viewsOnPage(12, 1, 3).first, 1);
    EXPECT_EQ(viewsOnPage(12, 1, 3).count, 12);
}

TEST(Paging, TabsMapToViewNumbersAndBack) {
    EXPECT_EQ(viewNumber(1, 1), 0); // the Options tab of page 1
    EXPECT_EQ(viewNumber(1, 2), 1);
    EXPECT_EQ(viewNumber(3, 2), 509);
    EXPECT_EQ(viewNumber(3, 93), 600);
    EXPECT_EQ(tabPositionOfView(600, 3), 92);
    EXPECT_EQ(tabPositionOfView(1, 1), 1);
    try {
        viewNumber(INT32_MAX / 254 + 2, 2);
        ADD_FAILURE() << "no overflow";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), 6);
    }
}

TEST(Paging, RefreshKeepsThePageUnlessItVanished) {
    EXPECT_TRUE(keepsCurrentPage(true, 3, 3));
    EXPECT_FALSE(keepsCurrentPage(true, 3, 2));
    EXPECT_FALSE(keepsCurrentPage(false, 3, 3)); // any other load starts again at page 1
    EXPECT_TRUE(keepsCurrentPage(true, 1, 1));
}

TEST(Paging, PageBoxTextIsCorrectedOrShowsThePage) {
    using K = PageNumberChange::Kind;
    struct Case {
        const char* text;
        int32_t current;
        K kind;
        std::string rewrite;
        int32_t page;
    };
    // Three pages throughout.
    const Case cases[] = {
        {"9", 1, K::Rewrite, "3", 0},
        {"0", 2, K::Rewrite, "1", 0},
        {"2", 1, K::ShowPage, "", 2},
        {" 3 ", 1, K::ShowPage, "", 3},
        {"2", 2, K::None, "", 0},
        {"2.5", 1, K::ShowPage, "", 2}, // halves to even, as every text-to-number conversion
        // Not a number, or negative: like 0.
        {"", 2, K::Rewrite, "1", 0},
        {"abc", 2, K::Rewrite, "1", 0},
        {"-2", 2, K::Rewrite, "1", 0},
        // Beyond 32 bits: above the last page when positive, like 0 when negative.
        {"99999999999", 1, K::Rewrite, "3", 0},
        {" -99999999999", 1, K::Rewrite, "1", 0},
    };
    for (const Case& c : cases) {
        const PageNumberChange change = pageNumberChanged(c.text, 3, c.current);
        EXPECT_EQ(change.kind, c.kind) << '"' << c.text << '"';
        if (c.kind == K::Rewrite) {
            EXPECT_EQ(change.text, c.rewrite) << '"' << c.text << '"';
        }
        if (c.kind == K::ShowPage) {
            EXPECT_EQ(change.page, c.page) << '"' << c.text << '"';
        }
    }
}

// Writing into the box runs its change handling again: follow the rewrites to where the box settles.
int32_t pageAfterTyping(std::string text, int32_t pageCount, int32_t current, std::string& box) {
    for (int round = 0; round < 5; ++round) {
        const PageNumberChange change = pageNumberChanged(text, pageCount, current);
        if (change.kind == PageNumberChange::Kind::Rewrite) {
            text = change.text;
            continue;
        }
        box = text;
        return change.kind == PageNumberChange::Kind::ShowPage ? change.page : current;
    }
    ADD_FAILURE() << "the page box keeps rewriting itself";
    return current;
}

TEST(Paging, TypingNineWithThreePagesShowsThreeAndTypingZeroShowsOne) {
    std::string box;
    EXPECT_EQ(pageAfterTyping("9", 3, 1, box), 3);
    EXPECT_EQ(box, "3");
    EXPECT_EQ(pageAfterTyping("0", 3, 2, box), 1);
    EXPECT_EQ(box, "1");
    EXPECT_EQ(pageAfterTyping("x", 1, 1, box), 1);
    EXPECT_EQ(box, "1");
}

} // namespace
} // namespace kv380
