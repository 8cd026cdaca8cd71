#include "platform/ui/MousePointer.h"
#include "support/StockpileHarness.h"

#include <gtest/gtest.h>

namespace kv380::test {
namespace {

FakeHost::Builder twoOrganisations() {
    return FakeHost::Builder()
        .organisation("Process")
        .view("Pumps", "PFD", "11")
        .view("Lines", "PFD", "12")
        .organisation("Utilities")
        .view("Steam", "PFD", "21");
}

TEST(Population, AWorkspaceWithoutOrganisationsRequestsNoViews) {
    StockpileHarness h;
    h.attachAndOpen();
    EXPECT_EQ(h.control->cmbOrganiseBy.ListCount(), 0);
    EXPECT_EQ(h.host.callCount("Views.Load"), 0);
    EXPECT_EQ(h.reporter->count(), 0u);
    EXPECT_EQ(h.tabCaptions(), (std::vector<std::string>{"      Options"}));
}

TEST(Population, ChoosingAnotherOrganisationUnloadsThePreviousViewsFirst) {
    StockpileHarness h(twoOrganisations());
    h.attachAndOpen();
    h.host.clearCalls();
    h.control->cmbOrganiseBy.setListIndex(1);
    const auto& calls = h.host.calls();
    std::vector<std::string> unloadsAndLoads;
    for (const auto& call : calls) {
        if (call == "Views.Unload" || call == "Views.Load") {
            unloadsAndLoads.push_back(call);
        }
    }
    // The previous organisation's views, then the new one's unload and load.
    EXPECT_EQ(unloadsAndLoads, (std::vector<std::string>{"Views.Unload", "Views.Unload", "Views.Load"}));
    EXPECT_EQ(h.host.views("Process")->subscriberCount(), 0u);
    EXPECT_EQ(h.host.views("Utilities")->subscriberCount(), 1u);
    h.host.completeLoads();
    EXPECT_EQ(h.tabCaptions(), (std::vector<std::string>{"      Options", "Steam"}));
    EXPECT_EQ(h.control->rwlvStockpile.Count(), 1);
}

TEST(Population, TheOptionsTabShowsTheOptionFramesAgainAndHidesEveryList) {
    StockpileHarness h(twoOrganisations());
    h.attachAndOpen();
    h.selectTab(3);
    h.selectTab(1);
    EXPECT_TRUE(h.control->fraOrganise.Visible());
    EXPECT_TRUE(h.control->fraFilter.Visible());
    EXPECT_TRUE(h.control->fraRefresh.Visible());
    EXPECT_FALSE(h.control->fraRWLView.Visible());
    EXPECT_FALSE(h.control->fraPage.Visible()); // one page only
    EXPECT_FALSE(h.list(1).Visible());
    EXPECT_FALSE(h.list(2).Visible());
    EXPECT_EQ(h.control->MousePointer(), ui::pointer::Default);
}

TEST(Population, LeavingAViewTabClearsItsSelection) {
    StockpileHarness h(twoOrganisations());
    h.attachAndOpen();
    h.selectTab(2);
    h.list(1).addItem("k", "P-101");
    h.list(1).setItemSelected(1, true);
    h.selectTab(3);
    EXPECT_EQ(h.list(1).selectedCount(), 0);
}

TEST(Population, AFailingOrganisationsCountIsReportedAndTheNextLoadWorks) {
    StockpileHarness h(twoOrganisations());
    h.attach();
    h.host.failOn("Organisations.Count");
    h.host.openWorkspace();
    h.host.completeLoads();
    ASSERT_EQ(h.reporter->count(), 1u);
    EXPECT_EQ(h.reporter->reports()[0].procedure, "PopulateStockpileControl");
    EXPECT_EQ(h.reporter->reports()[0].source, "projStockpile.ctlStockpile");
    EXPECT_EQ(h.control->cmbOrganiseBy.ListCount(), 0);
    h.host.closeWorkspace();
    h.host.openWorkspace();
    h.host.completeLoads();
    EXPECT_EQ(h.control->cmbOrganiseBy.ListCount(), 2);
}

TEST(Population, AFailingViewsLoadIsReportedByTheOrganisationChange) {
    StockpileHarness h(twoOrganisations());
    h.attachAndOpen();
    h.host.failOn("Views.Load");
    h.control->cmbOrganiseBy.setListIndex(1);
    ASSERT_EQ(h.reporter->count(), 1u);
    EXPECT_EQ(h.reporter->reports()[0].procedure, "cmbOrganiseBy_Change");
    h.control->cmbOrganiseBy.setListIndex(1);
    h.host.completeLoads();
    EXPECT_EQ(h.tabCaptions(), (std::vector<std::string>{"      Options", "Steam"}));
}

TEST(Population, AFailingViewNameIsReportedByDisplayTabsAndTheTabsBuiltSoFarStay) {
    StockpileHarness h(twoOrganisations());
    h.attachAndOpen();
    h.host.failOn("View.Name", 2);
    h.control->cmbOrganiseBy.setListIndex(0);
    h.host.completeLoads();
    ASSERT_EQ(h.reporter->count(), 1u);
    EXPECT_EQ(h.reporter->reports()[0].procedure, "DisplayTabs");
    EXPECT_EQ(h.tabCaptions(), (std::vector<std::string>{"      Options", "Pumps"}));
    EXPECT_FALSE(h.control->tabsBuilt());
    // A later refresh of the same organisation rebuilds everything.
    h.control->cmbOrganiseBy.setListIndex(0);
    h.host.completeLoads();
    EXPECT_EQ(h.tabCaptions().size(), 3u);
    EXPECT_TRUE(h.control->tabsBuilt());
}

TEST(Population, ARefreshThatRemovesTheShownViewsTabReturnsToTheOptionsTab) {
    StockpileHarness h(FakeHost::Builder().organisation("Process").view("Pumps").view("Lines").view("Tanks"));
    h.attachAndOpen();
    h.selectTab(4);
    h.host.views("Process")->truncate(2);
    h.control->cmdRefresh.raiseClick();
    h.host.completeLoads();
    EXPECT_EQ(h.reporter->count(), 0u);
    EXPECT_EQ(h.tabCaptions(), (std::vector<std::string>{"      Options", "Pumps", "Lines"}));
    EXPECT_EQ(h.control->TabStrip.selectedTab(), 1);
    EXPECT_TRUE(h.control->fraOrganise.Visible());
    EXPECT_TRUE(h.control->fraFilter.Visible());
    EXPECT_TRUE(h.control->fraRefresh.Visible());
    EXPECT_FALSE(h.control->fraRWLView.Visible());
    EXPECT_FALSE(h.control->refreshing());
    EXPECT_EQ(h.control->MousePointer(), ui::pointer::Default);
}

TEST(Population, AFailingObjectReloadIsReportedAndTheTabStillChanges) {
    StockpileHarness h(twoOrganisations());
    h.attachAndOpen();
    h.selectTab(2);
    // A failure inside the object reload reports with its own context and the tab change goes on.
    h.host.failOn("PresentedObjects.Load");
    h.selectTab(3);
    ASSERT_EQ(h.reporter->count(), 1u);
    EXPECT_EQ(h.reporter->reports()[0].procedure, "ctlStockpile::RefreshSymbols");
    EXPECT_EQ(h.reporter->reports()[0].source, "FakeHost");
    EXPECT_TRUE(h.list(2).Visible());
    EXPECT_TRUE(h.control->tmrRefreshMePlease.Enabled());
}

} // namespace
} // namespace kv380::test
