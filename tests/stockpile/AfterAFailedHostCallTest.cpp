// One failing host call must not leave the panel stuck: after the one report, the user's next action works.
#include "platform/ui/MousePointer.h"
#include "support/StockpileHarness.h"

#include <gtest/gtest.h>

namespace kv380::test {
namespace {

const std::vector<std::string> kOptionsOnly{"      Options"};
const std::vector<std::string> kAllTabs{"      Options", "Pumps", "Lines", "Vessels"};

FakeHost::Builder plant() {
    return FakeHost::Builder()
        .organisation("Process")
        .view("Pumps", "PFD")
        .object({.id = "1", .key = "P-101", .symbol = "Pumps\\Centrifugal.sym"})
        .view("Lines", "PFD")
        .object({.id = "2", .key = "L-1", .symbol = "Pumps\\Centrifugal.sym"})
        .view("Vessels", "PFD")
        .object({.id = "3", .key = "V-1", .symbol = "Pumps\\Centrifugal.sym"})
        .symbolFile("Pumps\\Centrifugal.sym");
}

// The panel on the given view tab, its objects listed, the call log cleared.
void showTab(StockpileHarness& h, int tab) {
    h.attachAndOpen();
    h.selectTab(tab);
    ASSERT_EQ(h.list(tab - 1).itemCount(), 1);
    h.host.clearCalls();
    h.reporter->clear();
}

// What a panel that is not stuck shows when nothing is loading.
void expectSettled(StockpileHarness& h) {
    EXPECT_FALSE(h.control->refreshing());
    EXPECT_EQ(h.control->MousePointer(), ui::pointer::Default);
    EXPECT_TRUE(h.control->tmrRefreshMePlease.Enabled());
}

// The user presses refresh and, on the view tab they were on, sees its objects again.
void expectARefreshListsTheViewAgain(StockpileHarness& h, int tab) {
    h.control->cmdRefresh.raiseClick();
    EXPECT_TRUE(h.control->refreshing());
    h.host.completeLoads();
    if (h.control->TabStrip.selectedTab() != tab) {
        h.selectTab(tab);
    }
    EXPECT_EQ(h.tabCaptions(), kAllTabs);
    EXPECT_EQ(h.list(tab - 1).itemCount(), 1);
    EXPECT_TRUE(h.list(tab - 1).Visible());
    expectSettled(h);
}

TEST(AfterAFailedHostCall, ARefreshWhoseTabRebuildFailsBeforeTheTabsShowsTheOptionsPageAndRefreshesAgain) {
    for (const char* operation :
         {"WorkspaceModel.Organisations", "Organisations.Item", "Organisation.Name", "Organisation.Views"}) {
        SCOPED_TRACE(operation);
        StockpileHarness h(plant());
        showTab(h, 3);
        h.control->cmdRefresh.raiseClick();
        // The views-loaded handler reads the organisation's views once before the rebuild does.
        const bool readByTheHandlerToo = std::string(operation) != "Organisation.Name";
        h.host.failOn(operation, readByTheHandlerToo ? 2 : 1);
        h.host.completeLoads();

        EXPECT_EQ(h.reporter->procedures(), std::vector<std::string>{"DisplayTabs"});
        // No tab stands for a view it cannot show, and the page shown is the Options page.
        EXPECT_EQ(h.tabCaptions(), kOptionsOnly);
        EXPECT_EQ(h.control->TabStrip.selectedTab(), 1);
        EXPECT_TRUE(h.control->fraOrganise.Visible());
        EXPECT_FALSE(h.control->fraRWLView.Visible());
        expectSettled(h);

        expectARefreshListsTheViewAgain(h, 3);
        EXPECT_EQ(h.reporter->count(), 1u);
    }
}

TEST(AfterAFailedHostCall, ARebuildFailingInTheMiddleShowsTheOptionsPageWithTheTabsBuiltSoFar) {
    StockpileHarness h(plant());
    showTab(h, 4);
    h.control->cmdRefresh.raiseClick();
    h.host.failOn("View.Name", 2);
    h.host.completeLoads();

    EXPECT_EQ(h.reporter->procedures(), std::vector<std::string>{"DisplayTabs"});
    EXPECT_EQ(h.tabCaptions(), (std::vector<std::string>{"      Options", "Pumps"}));
    EXPECT_EQ(h.control->TabStrip.selectedTab(), 1);
    EXPECT_TRUE(h.control->fraOrganise.Visible());
    EXPECT_TRUE(h.control->fraFilter.Visible());
    EXPECT_TRUE(h.control->fraRefresh.Visible());
    EXPECT_FALSE(h.control->fraRWLView.Visible());
    expectSettled(h);

    expectARefreshListsTheViewAgain(h, 4);
}

TEST(AfterAFailedHostCall, ARefreshWhoseObjectsReloadFailsEndsAndTheNextRefreshGoesToTheHost) {
    for (const char* operation :
         {"DrawingApplication.ActiveDocument", "DocumentMap.FindDocument", "View.PresentedObjects",
          "PresentedObjects.AddSubscriber", "PresentedObjects.Load"}) {
        SCOPED_TRACE(operation);
        StockpileHarness h(plant());
        h.host.addDocument("7", "PFD");
        h.host.activateDocument("7");
        showTab(h, 2);
        h.control->cmdRefresh.raiseClick();
        h.host.failOn(operation);
        h.host.completeLoads();

        EXPECT_EQ(h.reporter->count(), 1u);
        EXPECT_EQ(h.control->TabStrip.selectedTab(), 2);
        EXPECT_TRUE(h.list(1).Visible());
        expectSettled(h);

        expectARefreshListsTheViewAgain(h, 2);
        EXPECT_EQ(h.reporter->count(), 1u);
    }
}

TEST(AfterAFailedHostCall, ARefreshWhoseViewsHandlerFailsEnds) {
    StockpileHarness h(plant());
    showTab(h, 2);
    h.control->cmdRefresh.raiseClick();
    h.host.failOn("Views.Count");
    h.host.completeLoads();
    EXPECT_EQ(h.reporter->procedures(), std::vector<std::string>{"m_oViewsEvents_LoadComplete"});
    EXPECT_FALSE(h.control->refreshing());
    EXPECT_EQ(h.control->MousePointer(), ui::pointer::Default);

    expectARefreshListsTheViewAgain(h, 2);
}

TEST(AfterAFailedHostCall, ARefreshWhoseViewsSubscriptionIsRefusedDoesNotWaitForACompletionThatCannotCome) {
    StockpileHarness h(plant());
    showTab(h, 2);
    h.host.failOn("Views.AddSubscriber");
    h.control->cmdRefresh.raiseClick();
    EXPECT_EQ(h.reporter->count(), 1u);
    EXPECT_EQ(h.host.callCount("Views.Load"), 1);
    h.host.completeLoads();
    expectSettled(h);

    expectARefreshListsTheViewAgain(h, 2);
}

TEST(AfterAFailedHostCall, ARefreshThatFindsTheWorkspaceNotReadyWhenTheViewsArriveEnds) {
    StockpileHarness h(plant());
    showTab(h, 2);
    h.control->cmdRefresh.raiseClick();
    h.host.workspace()->status() = 2;
    h.host.completeLoads();
    EXPECT_EQ(h.host.callCount("PresentedObjects.Load"), 0);
    EXPECT_EQ(h.reporter->count(), 0u);
    expectSettled(h);

    h.host.workspace()->status() = 3;
    expectARefreshListsTheViewAgain(h, 2);
}

TEST(AfterAFailedHostCall, ATabClickWhoseReloadFailsAtOnceStillShowsTheViewWithOneReport) {
    struct Case {
        const char* operation;
        const char* reportedAs;
    };
    for (const Case& c :
         {Case{"DrawingApplication.DatabaseServer", "ctlStockpile::DwgApp"},
          Case{"DwgApp.WorkSpace", "TabStrip_Click"}, Case{"Workspace.Status", "TabStrip_Click"}}) {
        SCOPED_TRACE(c.operation);
        StockpileHarness h(plant());
        showTab(h, 2);
        h.host.failOn(c.operation);
        h.selectTab(3);

        EXPECT_EQ(h.reporter->procedures(), std::vector<std::string>{c.reportedAs});
        EXPECT_FALSE(h.control->fraOrganise.Visible());
        EXPECT_TRUE(h.control->fraRWLView.Visible());
        EXPECT_TRUE(h.list(2).Visible());
        EXPECT_FALSE(h.list(1).Visible());
        expectSettled(h);

        // The next tab click lists that view.
        h.selectTab(2);
        h.selectTab(3);
        EXPECT_EQ(h.list(2).itemCount(), 1);
        EXPECT_EQ(h.reporter->count(), 1u);
    }
}

TEST(AfterAFailedHostCall, WhenTheReportFailsTooTheObjectsHandlerStillRestoresThePointerTimerAndFlag) {
    StockpileHarness h(plant());
    showTab(h, 2);
    h.control->cmdRefresh.raiseClick();
    h.host.completeNextLoad(); // the views; the objects are requested again
    h.host.failOn("SymbolStore.RootFolder");
    h.reporter->failWith(AutomationError(5, "Reporter", "the report is down"));
    // The report's own failure rises to the host that delivered the event.
    EXPECT_THROW(h.host.completeLoads(), AutomationError);
    expectSettled(h);
}

TEST(AfterAFailedHostCall, TeardownCompletesWhenAnUnsubscribeAndItsReportBothFail) {
    auto h = std::make_unique<StockpileHarness>(plant());
    showTab(*h, 2);
    h->host.failAlways("Views.RemoveSubscriber");
    h->reporter->failWith(AutomationError(5, "Reporter", "the report is down"));
    EXPECT_NO_THROW(h->control.reset());
    // The steps after the failing one still ran: the other sinks let go of their sources.
    EXPECT_EQ(h->host.organisations()->subscriberCount(), 0u);
    EXPECT_EQ(h->host.objects("Process", "Pumps")->subscriberCount(), 0u);
    EXPECT_EQ(h->host.workspaceEvents()->subscriberCount(), 0u);
}

} // namespace
} // namespace kv380::test
