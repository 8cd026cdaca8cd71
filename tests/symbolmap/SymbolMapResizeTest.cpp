#include "SymbolMapFixture.h"

namespace kv380::test {
namespace {

using SymbolMapResize = SymbolMapFixture;

// The user resizes the window: outer size, and a client area 120 narrower and 450 lower.
void resizeWindow(frmSymbolMap& dialog, float width, float height) {
    dialog.resizeTo(width, height, width - 120, height - 450);
}

TEST_F(SymbolMapResize, TheFirstShowLaysTheDesignOutAndEveryResizeDoesSoAgain) {
    open();
    // The design client area, laid out: the left pane takes 30 % of the panes' width.
    EXPECT_EQ(dialog.TabStrip1.Width(), 11520 - 240);
    EXPECT_EQ(dialog.FrameB.Width(), 0.3F * dialog.FrameA.Width());
    EXPECT_EQ(dialog.TreeView1.Top(), 0);

    resizeWindow(dialog, 10360, 8000);
    EXPECT_EQ(dialog.FrameA.Width(), 10000);
    EXPECT_EQ(dialog.FrameB.Width(), 3000);
    EXPECT_EQ(dialog.Image2.Left(), 3000);
    EXPECT_EQ(dialog.Frame1.Left(), 3080);
    EXPECT_EQ(dialog.RWListView1.Width(), 6800);
    EXPECT_EQ(dialog.cmdCancel.Left() + dialog.cmdCancel.Width(), dialog.ScaleWidth() - 120);
    EXPECT_EQ(dialog.cmdOK.Left() + dialog.cmdOK.Width(), dialog.cmdCancel.Left() - 120);
    EXPECT_EQ(dialog.Command1.Left() + dialog.Command1.Width() / 2, dialog.FrameA.Left() + 1500);
    EXPECT_GT(dialog.RWListView1.arrangeRequests(), 0);
}

TEST_F(SymbolMapResize, AWindowShrunkBelowTheMinimumSnapsBack) {
    open();
    resizeWindow(dialog, 3000, 2000);
    EXPECT_EQ(dialog.Width(), 6000);
    EXPECT_EQ(dialog.Height(), 4500);
    // Laid out at the snapped size.
    EXPECT_EQ(dialog.TabStrip1.Width(), dialog.ScaleWidth() - 240);
    EXPECT_EQ(dialog.cmdOK.Top(), dialog.ScaleHeight() - dialog.cmdOK.Height() - 120);
    EXPECT_EQ(reporter->count(), 0u);
}

TEST_F(SymbolMapResize, AMinimizedWindowIsNotLaidOutAndARestoredOneIs) {
    open();
    resizeWindow(dialog, 10360, 8000);
    const float paneWidth = dialog.FrameB.Width();
    dialog.setWindowState(ui::Form::Minimized);
    dialog.resizeTo(2000, 400, 2000, 0);
    EXPECT_EQ(dialog.FrameB.Width(), paneWidth);
    EXPECT_EQ(dialog.Width(), 2000);
    EXPECT_EQ(reporter->count(), 0u);

    dialog.setWindowState(ui::Form::Normal);
    EXPECT_EQ(dialog.Width(), 6000);
    EXPECT_EQ(dialog.TabStrip1.Width(), dialog.ScaleWidth() - 240);
}

TEST_F(SymbolMapResize, DraggingTheBarsOverThePanesMovesThePaneBordersUntilTheNextResize) {
    open();
    resizeWindow(dialog, 10360, 8000);
    const float frameBHeight = dialog.FrameB.Height();

    dialog.TreeView1.raiseDragOver(dialog.Image1, 50, 1000);
    EXPECT_EQ(dialog.TreeView1.Height(), 1000);
    EXPECT_EQ(dialog.Image1.Top(), 1000);
    EXPECT_EQ(dialog.Frame2.Top(), 1080);
    EXPECT_EQ(dialog.RWListView2.Height(), frameBHeight - 1000 - 200);

    dialog.RWListView1.raiseDragOver(dialog.Image2, 500, 10);
    EXPECT_EQ(dialog.Image2.Left(), 3580);
    EXPECT_EQ(dialog.FrameB.Width(), 3580);
    EXPECT_EQ(dialog.Image1.Width(), 3580);
    EXPECT_EQ(dialog.Frame1.Left(), 3660);
    EXPECT_EQ(dialog.RWListView1.Width(), 10000 - 3580 - 200);
    EXPECT_EQ(dialog.TreeView1.Width(), 3460);
    EXPECT_EQ(dialog.RWListView2.Width(), 3460);

    // The horizontal bar means nothing over the chosen symbols; other controls dragged mean nothing.
    dialog.RWListView1.raiseDragOver(dialog.Image1, 10, 10);
    dialog.TreeView1.raiseDragOver(dialog.Command1, 10, 10);
    EXPECT_EQ(dialog.TreeView1.Height(), 1000);
    EXPECT_EQ(dialog.Image2.Left(), 3580);

    resizeWindow(dialog, 10360, 8000 + 15);
    EXPECT_EQ(dialog.FrameB.Width(), 3000);
    EXPECT_EQ(dialog.TreeView1.Height(), 0.5F * (dialog.FrameB.Height() - 240));
}

TEST_F(SymbolMapResize, ABarDraggedPastAPaneStopsWithThreeHundredTwipsLeft) {
    open();
    resizeWindow(dialog, 10360, 8000);
    dialog.TreeView1.raiseDragOver(dialog.Image2, -900, 10);
    EXPECT_EQ(dialog.TreeView1.Width(), 300);
    dialog.RWListView2.raiseDragOver(dialog.Image1, 10, 90000);
    EXPECT_EQ(dialog.RWListView2.Height(), 300);
    dialog.TreeView1.raiseDragOver(dialog.Image1, 10, -50);
    EXPECT_EQ(dialog.TreeView1.Height(), 300);
    EXPECT_EQ(reporter->count(), 0u);
}

} // namespace
} // namespace kv380::test
