#include "platform/ui/PictureNames.h"
#include "support/StockpileHarness.h"

#include <gtest/gtest.h>

namespace kv380::test {
namespace {

const std::vector<std::string> kOptionsOnly{"      Options"};

FakeHost::Builder threeOrganisations() {
    return FakeHost::Builder()
        .organisation("Process")
        .view("Pumps", "PFD", "11")
        .view("Lines", "PFD", "12")
        .view("Vessels", "Sim", "13")
        .organisation("By Plot Area")
        .view("Area 1", "PPID", "21")
        .organisation("Empty");
}

TEST(ControlLifecycle, ANeverAttachedControlShowsOnlyTheOptionsTab) {
    StockpileHarness h;
    EXPECT_EQ(h.tabCaptions(), kOptionsOnly);
    EXPECT_EQ(h.control->cmbOrganiseBy.ListCount(), 0);
    EXPECT_TRUE(h.control->fraOrganise.Visible());
    EXPECT_TRUE(h.control->fraFilter.Visible());
    EXPECT_TRUE(h.control->fraRefresh.Visible());
    EXPECT_FALSE(h.control->fraRWLView.Visible());
    EXPECT_FALSE(h.control->fraPage.Visible());
    // The refresh button shows the picture the renderer knows as the refresh picture.
    EXPECT_EQ(h.control->cmdRefresh.Picture(), ui::picture::Refresh);
    EXPECT_EQ(h.control->cmdRefresh.ToolTipText(), "Refresh Stockpile");
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST(ControlLifecycle, AStoredRateOfZeroStartsWithoutAutomaticRefresh) {
    StockpileHarness h;
    EXPECT_EQ(h.control->chkAutoRefresh.Value(), ui::CheckBox::Unchecked);
    EXPECT_EQ(h.control->txtRefreshRate.Text(), "0");
    EXPECT_EQ(h.control->tmrRefreshMePlease.Interval(), 0);
    EXPECT_EQ(h.control->refreshRate(), 0);
}

TEST(ControlLifecycle, AStoredRateOfFifteenStartsTickedWithThatRate) {
    StockpileHarness h(FakeHost::Builder(), 15);
    EXPECT_EQ(h.control->chkAutoRefresh.Value(), ui::CheckBox::Checked);
    EXPECT_EQ(h.control->txtRefreshRate.Text(), "15");
    EXPECT_EQ(h.control->tmrRefreshMePlease.Interval(), 15000);
    EXPECT_EQ(h.control->refreshRate(), 15);
}

TEST(ControlLifecycle, AttachingSubscribesToWorkspaceEventsOnly) {
    StockpileHarness h(threeOrganisations());
    h.attach();
    EXPECT_EQ(h.host.workspaceEvents()->subscriberCount(), 1u);
    EXPECT_EQ(h.host.callCount("Organisations.Load"), 0);
    EXPECT_EQ(h.control->ApplicationObject(), h.host.application());
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST(ControlLifecycle, AWholeWorkspaceSessionFromOpenToClose) {
    StockpileHarness h(threeOrganisations().activeDocument("42", "PFD"));
    h.attach();
    h.host.openWorkspace();
    EXPECT_EQ(h.host.callCount("Organisations.Load"), 1);
    EXPECT_TRUE(h.control->hasSymbolLibraryList());
    h.host.completeLoads();

    ASSERT_EQ(h.control->cmbOrganiseBy.ListCount(), 3);
    EXPECT_EQ(h.control->cmbOrganiseBy.List(0), "Process");
    EXPECT_EQ(h.control->cmbOrganiseBy.ListIndex(), 0);
    EXPECT_EQ(h.tabCaptions(), (std::vector<std::string>{"      Options", "Pumps", "Lines", "Vessels"}));
    EXPECT_EQ(h.control->rwlvStockpile.Count(), 3);
    EXPECT_TRUE(h.control->tabsBuilt());
    EXPECT_EQ(h.control->viewSortFlag("Process/12"), false);

    h.selectTab(3, false);
    EXPECT_FALSE(h.control->fraOrganise.Visible());
    EXPECT_FALSE(h.control->fraFilter.Visible());
    EXPECT_FALSE(h.control->fraRefresh.Visible());
    EXPECT_FALSE(h.control->fraPage.Visible());
    EXPECT_TRUE(h.control->fraRWLView.Visible());
    EXPECT_TRUE(h.list(2).Visible());
    EXPECT_FALSE(h.list(1).Visible());
    EXPECT_EQ(h.list(2).ToolTipText(), "Select an object.");
    EXPECT_EQ(h.host.objects("Process", "Lines")->loadRequests(), (std::vector<int32_t>{2}));
    EXPECT_EQ(h.host.view("Process", "Lines")->data().diagramIdsSet, (std::vector<int32_t>{42}));
    EXPECT_TRUE(h.control->tmrRefreshMePlease.Enabled());

    h.host.closeWorkspace();
    EXPECT_EQ(h.tabCaptions(), kOptionsOnly);
    EXPECT_EQ(h.control->cmbOrganiseBy.ListCount(), 0);
    EXPECT_TRUE(h.control->fraOrganise.Visible());
    EXPECT_FALSE(h.control->fraRWLView.Visible());
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST(ControlLifecycle, ClosingLetsGoOfTheClosedWorkspacesCollections) {
    StockpileHarness h(threeOrganisations());
    h.attachAndOpen();
    h.host.closeWorkspace();
    h.host.clearCalls();
    // Opening again and choosing an organisation must not unload views of the closed workspace first.
    h.host.openWorkspace();
    h.host.completeLoads();
    EXPECT_EQ(h.host.callCount("Views.Unload"), 1); // the new collection's own unload before its load
    EXPECT_EQ(h.tabCaptions().size(), 4u);
}

TEST(ControlLifecycle, ASecondOpenDoesNotFetchTheSymbolLibraryListAgain) {
    StockpileHarness h(threeOrganisations());
    h.attachAndOpen();
    h.host.closeWorkspace();
    h.host.openWorkspace();
    h.host.completeLoads();
    EXPECT_EQ(h.host.callCount("DialogBar.HostedControl"), 1);
}

TEST(ControlLifecycle, SaveThenRestoreVisibilityLeavesTheBarAsItWas) {
    StockpileHarness h;
    h.attach();
    auto bar = h.host.bar("Stockpile");
    bar->data().visible = false;
    h.control->SaveVisibility();
    bar->data().visible = true;
    h.control->RestoreVisibility();
    EXPECT_FALSE(bar->data().visible);
    h.control->SaveVisibility();
    h.control->RestoreVisibility();
    EXPECT_EQ(bar->data().visibilitySets, (std::vector<bool>{false, false}));
}

TEST(ControlLifecycle, AttachingToNothingReportsAndKeepsTheWorkspace) {
    StockpileHarness h(threeOrganisations());
    h.attachAndOpen();
    h.control->setApplicationObject(nullptr);
    ASSERT_EQ(h.reporter->count(), 1u);
    EXPECT_EQ(h.reporter->reports()[0].procedure, "Set ApplicationObject");
    EXPECT_EQ(h.reporter->reports()[0].source, "projStockpile.ctlStockpile");
    EXPECT_EQ(h.reporter->reports()[0].number, 91);
    // The workspace is still there: choosing another organisation still loads its views.
    h.control->cmbOrganiseBy.setListIndex(1);
    h.host.completeLoads();
    EXPECT_EQ(h.tabCaptions(), (std::vector<std::string>{"      Options", "Area 1"}));
}

TEST(ControlLifecycle, AFailingDatabaseServerIsReportedOnceAndALaterAttachWorks) {
    StockpileHarness h(threeOrganisations());
    h.host.failOn("DrawingApplication.DatabaseServer");
    h.attach();
    ASSERT_EQ(h.reporter->count(), 1u);
    EXPECT_EQ(h.reporter->reports()[0].procedure, "Set ApplicationObject");
    EXPECT_EQ(h.reporter->reports()[0].number, FakeHost::injectedError("x").number());
    h.attach();
    h.host.openWorkspace();
    h.host.completeLoads();
    EXPECT_EQ(h.control->cmbOrganiseBy.ListCount(), 3);
}

TEST(ControlLifecycle, TeardownCompletesWhenTheHostHasGone) {
    StockpileHarness h(threeOrganisations());
    h.attachAndOpen();
    h.selectTab(2);
    // The organisations refuse to let go: teardown still runs every later step.
    h.host.failAlways("Organisations.RemoveSubscriber");
    h.control.reset();
    EXPECT_GE(h.reporter->count(), 1u);
    EXPECT_EQ(h.host.views("Process")->subscriberCount(), 0u);
    EXPECT_EQ(h.host.objects("Process", "Pumps")->subscriberCount(), 0u);
    EXPECT_EQ(h.host.workspaceEvents()->subscriberCount(), 0u);
}

TEST(ControlLifecycle, TeardownLeavesNoSubscriptionBehind) {
    StockpileHarness h(threeOrganisations());
    h.attachAndOpen();
    h.selectTab(2);
    h.control.reset();
    EXPECT_EQ(h.host.workspaceEvents()->subscriberCount(), 0u);
    EXPECT_EQ(h.host.organisations()->subscriberCount(), 0u);
    EXPECT_EQ(h.host.views("Process")->subscriberCount(), 0u);
    EXPECT_EQ(h.host.objects("Process", "Pumps")->subscriberCount(), 0u);
}

} // namespace
} // namespace kv380::test
