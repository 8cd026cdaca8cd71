#include "support/StockpileHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace kv380::test {
namespace {

void resize(ctlStockpile& c, float width, float height) {
    c.resizeTo(width, height, width, height);
}

TEST(ControlLayout, AWideTallControlPutsTheFourFramesOnOneRow) {
    StockpileHarness h;
    resize(*h.control, 16000, 3000);
    auto& c = *h.control;
    EXPECT_EQ(c.TabStrip.Top(), 4);
    EXPECT_EQ(c.TabStrip.Width(), 16000);
    EXPECT_EQ(c.TabStrip.Height(), 2996);
    EXPECT_EQ(c.cmdRefresh.Top(), 4 + 2996 - 320);
    EXPECT_EQ(c.fraRWLView.Top(), 120); // fraOrganise's Top from before this resize
    EXPECT_EQ(c.fraRWLView.Height(), 2496);
    EXPECT_EQ(c.fraRWLView.Width(), 15760);
    EXPECT_EQ(c.fraOrganise.Top(), 60);
    EXPECT_EQ(c.fraFilter.Left(), 120 + 5085 + 60);
    EXPECT_EQ(c.fraRefresh.Left(), 120 + 5085 + 60 + 3765 + 60);
    EXPECT_EQ(c.fraPage.Left(), c.fraRefresh.Left() + 3405);
    EXPECT_EQ(c.fraFilter.Top(), 60);
    EXPECT_EQ(c.fraPage.Top(), 60);
    resize(*h.control, 16000, 3100);
    EXPECT_EQ(c.fraRWLView.Top(), 60);
}

TEST(ControlLayout, ANarrowControlStacksTheFramesInAColumnWithClampedSpacing) {
    StockpileHarness h;
    h.control->TabStrip.setClientTop(360);
    resize(*h.control, 9089, 10000); // 120 + 5085 + 3765 + 120 = 9090 > 9089
    auto& c = *h.control;
    EXPECT_EQ(c.fraFilter.Left(), 120);
    EXPECT_EQ(c.fraFilter.Top(), 60 + 320 + 60); // spacing clamped at 60
    EXPECT_EQ(c.fraRefresh.Top(), c.fraFilter.Top() + 320 + 60);
    resize(*h.control, 9090, 10000); // equal: not a column
    EXPECT_EQ(c.fraFilter.Top(), 60);
}

TEST(ControlLayout, ATabStripUnderFiveHundredTwipsHighIsReportedOnceAndALaterResizeWorks) {
    StockpileHarness h;
    resize(*h.control, 9000, 400);
    ASSERT_EQ(h.reporter->count(), 1u);
    EXPECT_EQ(h.reporter->reports()[0].procedure, "UserControl_Resize");
    EXPECT_EQ(h.reporter->reports()[0].number, 380);
    EXPECT_EQ(h.control->TabStrip.Height(), 396); // placed before the refused assignment
    resize(*h.control, 9000, 3000);
    EXPECT_EQ(h.reporter->count(), 1u);
    EXPECT_EQ(h.control->fraRWLView.Height(), 2496);
}

TEST(ControlLayout, TheShownListElementIsFittedIntoItsFrame) {
    StockpileHarness h(FakeHost::Builder().organisation("Process").view("Pumps").view("Lines"));
    h.attachAndOpen();
    h.selectTab(3);
    resize(*h.control, 12000, 5000);
    const auto& list = h.list(2);
    EXPECT_EQ(list.Top(), 150);
    EXPECT_EQ(list.Left(), 50);
    EXPECT_EQ(list.Height(), h.control->fraRWLView.Height() - 200);
    EXPECT_EQ(list.Width(), h.control->fraRWLView.Width() - 80);
    EXPECT_GE(list.arrangeRequests(), 1);
    EXPECT_EQ(h.list(1).Height(), 255); // not the shown one: untouched
}

TEST(ControlLayout, EveryResizeStoresTheBarsHeight) {
    StockpileHarness h;
    h.attach();
    h.host.bar("Stockpile")->data().height = 321;
    resize(*h.control, 9000, 3000);
    EXPECT_EQ(h.storedStockpileNumber("Height"), 321);
}

TEST(ControlLayout, WithoutAStockpileBarTheStoredHeightIs140) {
    StockpileHarness h(FakeHost::Builder().withoutBar("Stockpile"));
    h.control->setApplicationObject(h.host.application());
    resize(*h.control, 9000, 3000);
    EXPECT_EQ(h.storedStockpileNumber("Height"), 140);
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST(ControlLayout, AFailingBarHeightIsReportedAndStoresTheFallback) {
    StockpileHarness h;
    h.attach();
    h.host.failOn("DialogBar.Height");
    resize(*h.control, 9000, 3000);
    ASSERT_EQ(h.reporter->count(), 1u);
    EXPECT_EQ(h.reporter->reports()[0].procedure, "GetMyHeight");
    EXPECT_EQ(h.storedStockpileNumber("Height"), 140);
}

TEST(ControlLayout, ResizeLayoutKeepsTheMinimumAndWritesItBack) {
    StockpileHarness h;
    h.desktop->setTwipsPerPixel(15, 15);
    int32_t x = 100;
    int32_t y = 50;
    h.control->ResizeLayout(x, y);
    EXPECT_EQ(x, 240);
    EXPECT_EQ(y, 100);
    EXPECT_EQ(h.control->Width(), 240 * 15);
    EXPECT_EQ(h.control->Height(), 100 * 15);
    EXPECT_EQ(h.reporter->count(), 0u);

    x = 300;
    y = 0;
    h.control->ResizeLayout(x, y);
    EXPECT_EQ(x, 300);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(h.control->Width(), 240 * 15);
}

TEST(ControlLayout, OnA240DotsPerInchScreenResizingToTheMinimumReportsNothing) {
    StockpileHarness h(FakeHost::Builder().organisation("Process").view("Pumps"));
    h.attachAndOpen();
    h.selectTab(2); // a list element is fitted too
    h.desktop->setTwipsPerPixel(6, 6);
    for (const auto& [width, height] : {std::pair{100, 50}, std::pair{240, 100}, std::pair{600, 250}}) {
        int32_t x = width;
        int32_t y = height;
        h.control->ResizeLayout(x, y);
        EXPECT_EQ(x, std::max(width, 600));
        EXPECT_EQ(y, std::max(height, 250));
    }
    EXPECT_EQ(h.control->Height(), 250 * 6);
    EXPECT_EQ(h.reporter->count(), 0u) << h.reporter->procedures().front();
}

} // namespace
} // namespace kv380::test
