#include "support/StockpileHarness.h"

#include <gtest/gtest.h>

namespace kv380::test {
namespace {

struct PageCase {
    int views;
    int pages;
    const char* caption;
    bool pageFrame;
    int tabsOnPageOne;
};

class PagingScenario : public ::testing::TestWithParam<PageCase> {};

TEST_P(PagingScenario, ViewsLoadedCountPagesAndBuildTheFirstPage) {
    const PageCase c = GetParam();
    StockpileHarness h(organisationWithViews("Big", c.views));
    h.attachAndOpen();
    EXPECT_EQ(h.control->pageCount(), c.pages);
    EXPECT_EQ(h.control->lbTotal.Caption(), c.caption);
    EXPECT_EQ(h.control->fraPage.Visible(), c.pageFrame);
    EXPECT_EQ(h.control->TabStrip.tabCount(), c.tabsOnPageOne + 1);
    EXPECT_EQ(h.control->rwlvStockpile.Count(), std::max(1, c.tabsOnPageOne));
    EXPECT_EQ(h.control->txtPageNo.Text(), "1");
}

INSTANTIATE_TEST_SUITE_P(ViewCounts, PagingScenario,
                         ::testing::Values(PageCase{253, 1, "of 1 pages", false, 253},
                                           PageCase{254, 2, "of 2 pages", true, 254},
                                           PageCase{300, 2, "of 2 pages", true, 254},
                                           PageCase{600, 3, "of 3 pages", true, 254}));

TEST(Paging, PageThreeOfSixHundredShowsViews509To600) {
    StockpileHarness h(organisationWithViews("Big", 600));
    h.attachAndOpen();
    h.control->txtPageNo.setText("3");
    EXPECT_EQ(h.control->currentPage(), 3);
    const auto captions = h.tabCaptions();
    ASSERT_EQ(captions.size(), 93u);
    EXPECT_EQ(captions[0], "      Options");
    EXPECT_EQ(captions[1], "View 509");
    EXPECT_EQ(captions[92], "View 600");
    EXPECT_EQ(h.control->rwlvStockpile.Count(), 92);
}

TEST(Paging, TwoHundredFiftyFourViewsLeaveOnlyTheOptionsTabOnPageTwo) {
    StockpileHarness h(organisationWithViews("Big", 254));
    h.attachAndOpen();
    h.control->txtPageNo.setText("2");
    EXPECT_EQ(h.tabCaptions(), (std::vector<std::string>{"      Options"}));
    EXPECT_EQ(h.control->rwlvStockpile.Count(), 1);
}

TEST(Paging, TypingBeyondTheLastPageOrZeroIsCorrected) {
    StockpileHarness h(organisationWithViews("Big", 600));
    h.attachAndOpen();
    h.control->txtPageNo.setText("9");
    EXPECT_EQ(h.control->txtPageNo.Text(), "3");
    EXPECT_EQ(h.control->currentPage(), 3);
    h.control->txtPageNo.setText("0");
    EXPECT_EQ(h.control->txtPageNo.Text(), "1");
    EXPECT_EQ(h.control->currentPage(), 1);
    // Text that is not a number, and negative numbers, count as 0.
    h.control->txtPageNo.setText("2");
    h.control->txtPageNo.setText("x");
    EXPECT_EQ(h.control->txtPageNo.Text(), "1");
    h.control->txtPageNo.setText("-4");
    EXPECT_EQ(h.control->txtPageNo.Text(), "1");
    EXPECT_EQ(h.control->currentPage(), 1);
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST(Paging, TheSpinnerMovesThroughThePages) {
    StockpileHarness h(organisationWithViews("Big", 600));
    h.attachAndOpen();
    h.control->UpDown2.spinUp();
    EXPECT_EQ(h.control->currentPage(), 2);
    EXPECT_EQ(h.tabCaptions()[1], "View 255");
}

TEST(Paging, ARefreshOnPageThreeKeepsItUnlessThePageVanished) {
    StockpileHarness h(organisationWithViews("Big", 600));
    h.attachAndOpen();
    h.control->txtPageNo.setText("3");
    h.control->cmdRefresh.raiseClick();
    h.host.completeLoads();
    EXPECT_EQ(h.control->currentPage(), 3);
    EXPECT_EQ(h.control->txtPageNo.Text(), "3");
    EXPECT_EQ(h.tabCaptions()[1], "View 509");

    // The host now has only 400 views: two pages, so the control goes back to page 1.
    h.host.views("Big")->truncate(400);
    h.control->cmdRefresh.raiseClick();
    h.host.completeLoads();
    EXPECT_EQ(h.control->pageCount(), 2);
    EXPECT_EQ(h.control->currentPage(), 1);
    EXPECT_EQ(h.control->txtPageNo.Text(), "1");
}

TEST(Paging, AnotherOrganisationStartsAgainAtPageOne) {
    FakeHost::Builder builder = organisationWithViews("Big", 600);
    builder.organisation("Small").view("Only");
    StockpileHarness h(builder);
    h.attachAndOpen();
    h.control->txtPageNo.setText("2");
    h.control->cmbOrganiseBy.setListIndex(1);
    h.host.completeLoads();
    EXPECT_EQ(h.control->currentPage(), 1);
    EXPECT_EQ(h.control->pageCount(), 1);
    EXPECT_EQ(h.control->lbTotal.Caption(), "of 1 pages");
}

} // namespace
} // namespace kv380::test
