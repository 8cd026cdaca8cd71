#include "symbolmap/SymbolMapLayout.h"

#include <gtest/gtest.h>

namespace kv380 {
namespace {

// A client area whose tab strip, and so FrameA, is 10000 wide.
SymbolMapLayoutResult layoutTenThousandWide() {
    SymbolMapLayoutInput in;
    in.scaleWidth = 10240;
    in.scaleHeight = 7350;
    return layoutSymbolMap(in);
}

SplitterPanes panesOf(const SymbolMapLayoutResult& r) {
    SplitterPanes p;
    p.frameAWidth = r.FrameA.width;
    p.frameBLeft = r.FrameB.left;
    p.frameBWidth = r.FrameB.width;
    p.frameBHeight = r.FrameB.height;
    p.treeTop = r.TreeView1.top;
    p.treeWidth = r.TreeView1.width;
    p.treeHeight = r.TreeView1.height;
    p.image1Top = r.Image1.top;
    p.image1Width = r.Image1.width;
    p.frame2Top = r.Frame2.top;
    p.frame2Width = r.Frame2.width;
    p.frame2Height = r.Frame2.height;
    p.image2Left = r.Image2.left;
    p.frame1Left = r.Frame1.left;
    p.frame1Width = r.Frame1.width;
    return p;
}

TEST(SymbolMapLayout, TheWindowIsNeverSmallerThanSixThousandByFourThousandFiveHundred) {
    const OuterSize small = symbolMapOuterSize(3000, 2000);
    EXPECT_EQ(small.width, 6000);
    EXPECT_EQ(small.height, 4500);
    const OuterSize narrow = symbolMapOuterSize(5999, 9000);
    EXPECT_EQ(narrow.width, 6000);
    EXPECT_EQ(narrow.height, 9000);
    const OuterSize large = symbolMapOuterSize(12000, 8000);
    EXPECT_EQ(large.width, 12000);
    EXPECT_EQ(large.height, 8000);
}

TEST(SymbolMapLayout, TheLeftPaneTakesThirtyPercentAndTheRightPaneStartsAfterTheBar) {
    const SymbolMapLayoutResult r = layoutTenThousandWide();
    EXPECT_EQ(r.FrameA.width, 10000);
    EXPECT_EQ(r.FrameB.width, 3000);
    EXPECT_EQ(r.Image2.left, 3000);
    EXPECT_EQ(r.Image2.width, 80);
    EXPECT_EQ(r.Frame1.left, 3080);
    EXPECT_EQ(r.Frame1.width, 6800);
    EXPECT_EQ(r.RWListView1, (TwipsRect{0, 0, 6800, r.Frame1.height}));
    EXPECT_EQ(r.Label1.left, 3080);
}

TEST(SymbolMapLayout, TheButtonsSitAtTheBottomRightWhateverTheWidth) {
    for (float width : {8000.0F, 11520.0F, 20000.0F}) {
        SymbolMapLayoutInput in;
        in.scaleWidth = width;
        in.scaleHeight = 7350;
        const SymbolMapLayoutResult r = layoutSymbolMap(in);
        EXPECT_EQ(r.cmdCancel.left + in.okWidth, width - 120) << width;
        EXPECT_EQ(r.cmdOK.left + in.okWidth, r.cmdCancel.left - 120) << width;
        EXPECT_EQ(r.cmdOK.top, 7350 - 340 - 120) << width;
        EXPECT_EQ(r.cmdCancel.top, r.cmdOK.top) << width;
        EXPECT_EQ(r.Command1.top, r.cmdOK.top) << width;
    }
}

TEST(SymbolMapLayout, TheTabStripFramesThePanesAndTheAddButtonIsCentredUnderTheLeftPane) {
    const SymbolMapLayoutResult r = layoutSymbolMap(SymbolMapLayoutInput{});
    EXPECT_EQ(r.TabStrip1, (TwipsRect{120, 120, 11280, 7350 - 340 - 360}));
    EXPECT_EQ(r.FrameA, (TwipsRect{120, 120 + 340, 11280, 6650 - 340}));
    EXPECT_EQ(r.FrameB.height, r.FrameA.height);
    // The tree over the folder's symbols, the bar between them, the list filling its frame.
    EXPECT_EQ(r.TreeView1.left, 120);
    EXPECT_EQ(r.TreeView1.top, 0);
    EXPECT_EQ(r.TreeView1.width, r.FrameB.width - 120);
    EXPECT_EQ(r.TreeView1.height, 0.5F * (r.FrameB.height - 240));
    EXPECT_EQ(r.Image1, (TwipsRect{0, r.TreeView1.height, r.FrameB.width, 80}));
    EXPECT_EQ(r.Frame2.top, r.TreeView1.height + 80);
    EXPECT_EQ(r.Frame2.top + r.Frame2.height, r.FrameB.height - 120);
    EXPECT_EQ(r.RWListView2, (TwipsRect{0, 0, r.Frame2.width, r.Frame2.height}));
    EXPECT_EQ(r.Frame1.height, r.FrameA.height - 120);
    EXPECT_EQ(r.Command1.left + 1095 / 2.0F, r.FrameA.left + r.FrameB.width / 2);
}

TEST(SymbolMapLayout, TabCaptionsTallerThanAButtonPushThePanesDown) {
    SymbolMapLayoutInput in;
    in.tabCaptionHeight = 375;
    const SymbolMapLayoutResult taller = layoutSymbolMap(in);
    EXPECT_EQ(taller.FrameA.top, 120 + 375);
    EXPECT_EQ(taller.FrameA.top + taller.FrameA.height, taller.TabStrip1.top + taller.TabStrip1.height);
    in.tabCaptionHeight = 300;
    EXPECT_EQ(layoutSymbolMap(in).FrameA.top, 120 + 340);
}

TEST(SymbolMapLayout, AClientAreaTooSmallForThePanesGivesEmptyPanesNotNegativeSizes) {
    SymbolMapLayoutInput in;
    in.scaleWidth = 200;
    in.scaleHeight = 300;
    const SymbolMapLayoutResult r = layoutSymbolMap(in);
    for (const TwipsRect* rect : {&r.TabStrip1, &r.FrameA, &r.FrameB, &r.TreeView1, &r.Frame2, &r.RWListView2,
                                  &r.Frame1, &r.RWListView1}) {
        EXPECT_GE(rect->width, 0);
        EXPECT_GE(rect->height, 0);
    }
}

TEST(SymbolMapLayout, DraggingTheHorizontalBarOverTheTreeSetsTheTreeHeightToThePointer) {
    const SplitterPanes before = panesOf(layoutTenThousandWide());
    const SplitterPanes after = dragHorizontalSplitter(before, HorizontalDragOver::TreeView1, 1000);
    EXPECT_EQ(after.treeHeight, 1000);
    EXPECT_EQ(after.image1Top, 1000);
    EXPECT_EQ(after.frame2Top, 1080);
    EXPECT_EQ(after.frame2Height, before.frameBHeight - 1000 - 80 - 120);
    // Widths are the vertical bar's business.
    EXPECT_EQ(after.treeWidth, before.treeWidth);
    EXPECT_EQ(after.frame1Width, before.frame1Width);
}

TEST(SymbolMapLayout, DraggingTheHorizontalBarOverTheFolderListMovesItFromTheListsTop) {
    const SplitterPanes before = panesOf(layoutTenThousandWide());
    const SplitterPanes after = dragHorizontalSplitter(before, HorizontalDragOver::RWListView2, 500);
    EXPECT_EQ(after.image1Top, before.frame2Top + 500 - 80);
    EXPECT_EQ(after.frame2Top, after.image1Top + 80);
    EXPECT_EQ(after.treeHeight, after.image1Top - before.treeTop);
    EXPECT_EQ(after.frame2Height, before.frameBHeight - after.treeHeight - 200);
}

TEST(SymbolMapLayout, DraggingTheVerticalBarOverTheChosenListMovesItFromThatListsLeft) {
    const SplitterPanes before = panesOf(layoutTenThousandWide());
    ASSERT_EQ(before.frame1Left, 3080);
    const SplitterPanes after = dragVerticalSplitter(before, VerticalDragOver::RWListView1, 500);
    EXPECT_EQ(after.image2Left, 3580);
    EXPECT_EQ(after.frameBWidth, 3580);
    EXPECT_EQ(after.image1Width, 3580);
    EXPECT_EQ(after.frame1Left, 3660);
    EXPECT_EQ(after.frame1Width, 10000 - 3580 - 80 - 120);
    EXPECT_EQ(after.treeWidth, 3460);
    EXPECT_EQ(after.frame2Width, 3460);
    // Heights are the horizontal bar's business.
    EXPECT_EQ(after.treeHeight, before.treeHeight);
}

TEST(SymbolMapLayout, DraggingTheVerticalBarOverTheLeftPaneMovesItFromThePanesLeft) {
    const SplitterPanes before = panesOf(layoutTenThousandWide());
    EXPECT_EQ(dragVerticalSplitter(before, VerticalDragOver::TreeView1, 2000).image2Left, 2000);
    EXPECT_EQ(dragVerticalSplitter(before, VerticalDragOver::RWListView2, 2500).frameBWidth, 2500);
}

TEST(SymbolMapLayout, EveryPaneKeepsThreeHundredTwipsWhereverTheBarsAreDragged) {
    const SplitterPanes before = panesOf(layoutTenThousandWide());

    const SplitterPanes left = dragVerticalSplitter(before, VerticalDragOver::TreeView1, -400);
    EXPECT_EQ(left.treeWidth, 300);
    EXPECT_EQ(left.image2Left, 420);
    const SplitterPanes right = dragVerticalSplitter(before, VerticalDragOver::RWListView1, 9000);
    EXPECT_EQ(right.frame1Width, 300);
    EXPECT_EQ(right.image2Left, 10000 - 300 - 200);

    const SplitterPanes up = dragHorizontalSplitter(before, HorizontalDragOver::TreeView1, 10);
    EXPECT_EQ(up.treeHeight, 300);
    EXPECT_EQ(up.image1Top, 300);
    EXPECT_EQ(up.frame2Top, 380);
    const SplitterPanes down = dragHorizontalSplitter(before, HorizontalDragOver::RWListView2, 50000);
    EXPECT_EQ(down.frame2Height, 300);
    EXPECT_EQ(down.frame2Top + down.frame2Height, before.frameBHeight - 120);
    EXPECT_EQ(down.image1Top, down.treeHeight);
}

} // namespace
} // namespace kv380
