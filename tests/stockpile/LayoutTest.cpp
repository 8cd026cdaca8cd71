#include "stockpile/Layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace kv380 {
namespace {

// A control of the given size after its first resize (the organise frame already at Top 60), with the
// design-time frames and a tab row 360 twips high.
LayoutInput control(float width, float height) {
    LayoutInput in;
    in.controlWidth = width;
    in.controlHeight = height;
    in.controlInnerHeight = height;
    in.tabStripClientTop = 360;
    in.fraOrganiseTop = 60;
    return in;
}

struct Frames {
    float filterLeft, filterTop, refreshLeft, refreshTop, pageLeft, pageTop;
};

void expectFrames(const LayoutResult& r, const Frames& f) {
    EXPECT_EQ(r.fraOrganiseTop, 60);
    EXPECT_EQ(r.fraFilterLeft, f.filterLeft);
    EXPECT_EQ(r.fraFilterTop, f.filterTop);
    EXPECT_EQ(r.fraRefreshLeft, f.refreshLeft);
    EXPECT_EQ(r.fraRefreshTop, f.refreshTop);
    EXPECT_EQ(r.fraPageLeft, f.pageLeft);
    EXPECT_EQ(r.fraPageTop, f.pageTop);
}

TEST(Layout, TabStripFillsTheControlAndTheRefreshButtonAndListFrameFollowIt) {
    LayoutInput in = control(10000, 5000);
    in.fraOrganiseTop = 120; // first resize: the list frame takes the organise frame's design Top
    const LayoutResult r = layoutControl(in);
    EXPECT_TRUE(r.stop.completes());
    EXPECT_EQ(r.tabStripTop, 4);
    EXPECT_EQ(r.tabStripWidth, 10000);
    EXPECT_EQ(r.tabStripHeight, 4996);
    EXPECT_EQ(r.cmdRefreshTop, 4 + 4996 - 320);
    EXPECT_EQ(r.fraRWLViewTop, 120);
    EXPECT_EQ(r.fraRWLViewHeight, 4996 - 500);
    EXPECT_EQ(r.fraRWLViewWidth, 10000 - 240);
    EXPECT_EQ(r.fraOrganiseTop, 60);

    in.tabStripLeft = 100;
    EXPECT_EQ(layoutControl(in).tabStripWidth, 9900);
}

TEST(Layout, ArrangementFollowsTheWidthAndHeightThresholds) {
    struct Case {
        float width, innerHeight, organiseTop, filterWidth;
        FrameArrangement expected;
    };
    const Case cases[] = {
        // 120 + 5085 + 3765 + 120 = 9090: equal is not a column, one twip narrower is.
        {9090, 4000, 60, 3765, FrameArrangement::TwoRows},
        {9089, 4000, 60, 3765, FrameArrangement::Column},
        {9090, 4000, 60, 3766, FrameArrangement::Column},
        // 120 + 5085 + 3765 + 3405 + 2235 + 180 = 14790: from there on all four frames share one row.
        {14790, 4000, 60, 3765, FrameArrangement::OneRow},
        {14789, 4000, 60, 3765, FrameArrangement::TwoRows},
        // Two rows need 2 x 320 + organise Top + 460 strictly below the inner height.
        {14789, 1160, 60, 3765, FrameArrangement::OneRow},
        {14789, 1161, 60, 3765, FrameArrangement::TwoRows},
        {14789, 1220, 120, 3765, FrameArrangement::OneRow},
        {14789, 1221, 120, 3765, FrameArrangement::TwoRows},
        // Too short for two rows keeps one row however narrow, as long as a column is not due.
        {9090, 1000, 60, 3765, FrameArrangement::OneRow},
        {9089, 1000, 60, 3765, FrameArrangement::Column},
    };
    for (const Case& c : cases) {
        LayoutInput in = control(c.width, 4000);
        in.controlInnerHeight = c.innerHeight;
        in.fraOrganiseTop = c.organiseTop;
        in.fraFilterWidth = c.filterWidth;
        const LayoutResult r = layoutControl(in);
        EXPECT_TRUE(r.stop.completes());
        EXPECT_EQ(r.arrangement, c.expected)
            << "width " << c.width << " inner height " << c.innerHeight << " organise top " << c.organiseTop;
    }
}

TEST(Layout, WideAndTallPutsAllFourFramesOnOneRowSixtyApart) {
    const LayoutResult r = layoutControl(control(15000, 4000));
    EXPECT_EQ(r.arrangement, FrameArrangement::OneRow);
    EXPECT_EQ(r.spacing, 0);
    expectFrames(r, {120 + 5085 + 60, 60, 5265 + 3765 + 60, 60, 9090 + 3405, 60});
}

TEST(Layout, TooNarrowForOneRowDropsRefreshAndPagingToASecondRow) {
    const LayoutResult r = layoutControl(control(12000, 4000));
    EXPECT_EQ(r.arrangement, FrameArrangement::TwoRows);
    EXPECT_EQ(r.spacing, 60); // (3996 - 360 - 640) / 3 is far above the cap
    expectFrames(r, {5265, 60, 120, 60 + 320 + 60, 120 + 3405, 440});
}

TEST(Layout, TooShortForTwoRowsKeepsOneRowWiderThanTheTabStrip) {
    const LayoutResult r = layoutControl(control(12000, 1100));
    EXPECT_EQ(r.arrangement, FrameArrangement::OneRow);
    expectFrames(r, {5265, 60, 9090, 60, 12495, 60});
    EXPECT_GT(r.fraPageLeft + 2235, r.tabStripWidth);
}

TEST(Layout, NarrowStacksTheFramesInAColumnWithPagingBesideRefresh) {
    const LayoutResult r = layoutControl(control(8000, 4000));
    EXPECT_EQ(r.arrangement, FrameArrangement::Column);
    EXPECT_EQ(r.spacing, 60);
    expectFrames(r, {120, 60 + 320 + 60, 120, 440 + 320 + 60, 120 + 3405, 820});
}

TEST(Layout, ACrampedColumnTouchesButNeverOverlaps) {
    // (1296 - 360 - 960) / 4 = -6: the gap stops at 0.
    const LayoutResult r = layoutControl(control(8000, 1300));
    EXPECT_EQ(r.arrangement, FrameArrangement::Column);
    EXPECT_EQ(r.spacing, 0);
    expectFrames(r, {120, 380, 120, 700, 3525, 700});
}

TEST(Layout, SpacingRoundsHalvesToEvenAndStaysWithinZeroAndSixty) {
    struct Case {
        float width, height, clientTop, expected;
    };
    const Case cases[] = {
        // Column: g = (height - 4 - ct - 960) / 4.
        {8000, 1324 + 90, 360, 22},  // 22.5
        {8000, 1324 + 94, 360, 24},  // 23.5
        {8000, 1324 + 10, 360, 2},   // 2.5
        {8000, 1324 + 234, 360, 58}, // 58.5
        {8000, 1324 + 246, 360, 60}, // 61.5 rounds to 62, capped
        {8000, 1324 - 2, 360, 0},    // -0.5
        {8000, 1324 - 4, 360, 0},    // -1
        {8000, 1413, 358.5f, 23},    // ct 358.5 is 358: (1409 - 358 - 960) / 4 = 22.75
        {8000, 1414, 359.5f, 22},    // ct 359.5 is 360: 22.5
        // Two rows: g = (height - 4 - ct - 640) / 3, on single-precision heights.
        {12000, 1167.5f, 360, 54}, // 54.5
        {12000, 1170.5f, 360, 56}, // 55.5
        {12000, 1200, 500, 19},    // 18.67
    };
    for (const Case& c : cases) {
        LayoutInput in = control(c.width, c.height);
        in.tabStripClientTop = c.clientTop;
        const LayoutResult r = layoutControl(in);
        ASSERT_TRUE(r.stop.completes());
        ASSERT_NE(r.arrangement, FrameArrangement::OneRow) << c.height;
        EXPECT_EQ(r.spacing, c.expected) << "height " << c.height << " client top " << c.clientTop;
    }
}

TEST(Layout, ANegativeSizeStopsTheRunWhereTheRuntimeRefusesIt) {
    struct Case {
        float width, height;
        LayoutStep stopsAt;
    };
    const Case cases[] = {
        {8000, 3, LayoutStep::TabStrip_Height},
        {8000, 503, LayoutStep::fraRWLView_Height}, // tab strip under 500 twips high
        {239, 4000, LayoutStep::fraRWLView_Width},
    };
    for (const Case& c : cases) {
        LayoutInput in = control(c.width, c.height);
        in.selectedTab = 3;
        const LayoutResult r = layoutControl(in);
        EXPECT_EQ(r.stop.at, c.stopsAt) << c.width << " x " << c.height;
        EXPECT_EQ(r.stop.error, 380);
        EXPECT_EQ(r.listElement, 0); // the rest of the resize is skipped
    }

    // What was placed before the stop stands.
    const LayoutResult r = layoutControl(control(8000, 503));
    EXPECT_EQ(r.tabStripHeight, 499);
    EXPECT_EQ(r.cmdRefreshTop, 4 + 499 - 320);
    EXPECT_EQ(r.fraRWLViewTop, 60);
    EXPECT_EQ(r.fraRWLViewHeight, -1); // the refused value

    // Zero is a valid size.
    EXPECT_TRUE(layoutControl(control(240, 504)).stop.completes());

    LayoutInput left = control(50, 4000);
    left.tabStripLeft = 100;
    EXPECT_EQ(layoutControl(left).stop.at, LayoutStep::TabStrip_Width);
}

TEST(Layout, ASumOutOfSinglePrecisionRangeIsAnOverflow) {
    LayoutInput in = control(12000, 4000); // not a column, so the four-frame row is summed
    in.fraRefreshWidth = 3e38f;
    in.fraPageWidth = 3e38f;
    const LayoutResult r = layoutControl(in);
    EXPECT_EQ(r.stop.at, LayoutStep::fraOrganise_Top);
    EXPECT_EQ(r.stop.error, 6);
    EXPECT_EQ(r.fraRWLViewWidth, 12000 - 240);
}

TEST(Layout, RaiseAtRaisesTheRunsErrorOnlyAtItsStop) {
    const LayoutResult r = layoutControl(control(8000, 503));
    EXPECT_NO_THROW(r.stop.raiseAt(LayoutStep::fraRWLView_Top));
    try {
        r.stop.raiseAt(LayoutStep::fraRWLView_Height);
        ADD_FAILURE() << "no error raised at the stop";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), 380);
    }
    EXPECT_NO_THROW(layoutControl(control(8000, 4000)).stop.raiseAt(LayoutStep::fraRWLView_Height));
}

TEST(Layout, OnlyAViewTabHasAListElementToFit) {
    EXPECT_EQ(listElementForTab(1), 0);
    EXPECT_EQ(listElementForTab(2), 1);
    EXPECT_EQ(listElementForTab(3), 2);

    LayoutInput in = control(8000, 4000);
    EXPECT_EQ(layoutControl(in).listElement, 0);
    in.selectedTab = 3;
    EXPECT_EQ(layoutControl(in).listElement, 2);
}

TEST(Layout, TheListElementFillsItsFrameInsideAMargin) {
    LayoutInput in = control(8000, 4000);
    in.selectedTab = 3;
    const LayoutResult r = layoutControl(in);
    const ListElementLayout e = layoutListElement(r.fraRWLViewWidth, r.fraRWLViewHeight);
    EXPECT_TRUE(e.stop.completes());
    EXPECT_EQ(e.top, 150);
    EXPECT_EQ(e.left, 50);
    EXPECT_EQ(e.height, 3496 - 200);
    EXPECT_EQ(e.width, 7760 - 80);

    const ListElementLayout shortFrame = layoutListElement(2655, 199);
    EXPECT_EQ(shortFrame.stop.at, ListElementStep::Height);
    EXPECT_EQ(shortFrame.stop.error, 380);
    EXPECT_EQ(shortFrame.top, 150);

    const ListElementLayout narrowFrame = layoutListElement(79, 2295);
    EXPECT_EQ(narrowFrame.stop.at, ListElementStep::Width);
    EXPECT_EQ(narrowFrame.height, 2095);
}

TEST(Layout, OnDenserScreensTheMinimumKeepsItsSizeInTwips) {
    // 96 dots per inch and coarser: the pixel minimum as it stands.
    EXPECT_EQ(minimumPixels(240, 15), 240);
    EXPECT_EQ(minimumPixels(100, 20), 100);
    // 120 and 240 dots per inch, and a scale that cannot be used.
    EXPECT_EQ(minimumPixels(240, 12), 300);
    EXPECT_EQ(minimumPixels(100, 12), 125);
    EXPECT_EQ(minimumPixels(240, 6), 600);
    EXPECT_EQ(minimumPixels(100, 6), 250);
    EXPECT_EQ(minimumPixels(100, 7), 215); // rounded up: 214.3 pixels would be too few
    EXPECT_EQ(minimumPixels(100, 0), 100);

    // At 240 dots per inch the old pixel minimum left the list a negative height; the new one lays out.
    for (const float twipsPerPixel : {15.0F, 12.0F, 6.0F, 5.0F, 1.0F}) {
        const ResizeLayoutResult smallest = resizeLayout(1, 1, twipsPerPixel, twipsPerPixel);
        ASSERT_TRUE(smallest.acts);
        EXPECT_GE(smallest.width, 240 * 15.0F) << twipsPerPixel;
        EXPECT_GE(smallest.height, 100 * 15.0F) << twipsPerPixel;
        LayoutInput in = control(smallest.width, smallest.height);
        in.selectedTab = 2;
        const LayoutResult r = layoutControl(in);
        EXPECT_TRUE(r.stop.completes()) << twipsPerPixel;
        EXPECT_TRUE(layoutListElement(r.fraRWLViewWidth, r.fraRWLViewHeight).stop.completes())
            << twipsPerPixel;
    }
}

TEST(Layout, ResizeLayoutKeepsAMinimumPixelSizeAndWritesItBack) {
    struct Case {
        int32_t x, y;
        bool acts;
        int32_t newX, newY;
    };
    const Case cases[] = {
        {100, 50, true, 240, 100}, {300, 0, false, 0, 0},    {0, 300, false, 0, 0},
        {-5, 10, false, 0, 0},     {300, 1, true, 300, 100}, {500, 400, true, 500, 400},
    };
    for (const Case& c : cases) {
        const ResizeLayoutResult r = resizeLayout(c.x, c.y, 15, 15);
        EXPECT_EQ(r.acts, c.acts) << c.x << ", " << c.y;
        if (c.acts) {
            EXPECT_EQ(r.x, c.newX);
            EXPECT_EQ(r.y, c.newY);
            EXPECT_EQ(r.width, c.newX * 15.0f);
            EXPECT_EQ(r.height, c.newY * 15.0f);
            EXPECT_TRUE(r.stop.completes());
        }
    }
    // The minimum keeps the control clear of the layout's refused sizes.
    const ResizeLayoutResult smallest = resizeLayout(1, 1, 15, 15);
    LayoutInput in = control(smallest.width, smallest.height);
    in.selectedTab = 2;
    const LayoutResult r = layoutControl(in);
    EXPECT_TRUE(r.stop.completes());
    EXPECT_TRUE(layoutListElement(r.fraRWLViewWidth, r.fraRWLViewHeight).stop.completes());
}

TEST(Layout, BarHeightIsTheHostsValueOr140WithoutABar) {
    EXPECT_EQ(barHeight(std::nullopt), 140);
    EXPECT_EQ(barHeight(2400.0), 2400);
    EXPECT_EQ(barHeight(250.5), 250);
    EXPECT_EQ(barHeight(251.5), 252);
    for (double bad : {3e9, std::nan("")}) {
        try {
            barHeight(bad);
            ADD_FAILURE() << bad << " was converted";
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.number(), 6);
        }
    }
}

} // namespace
} // namespace kv380
