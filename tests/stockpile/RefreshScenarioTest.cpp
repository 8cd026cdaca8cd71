#include "platform/ui/MousePointer.h"
#include "support/StockpileHarness.h"

#include <gtest/gtest.h>

namespace kv380::test {
namespace {

using namespace std::chrono_literals;

FakeHost::Builder oneOrganisation() {
    return FakeHost::Builder().organisation("Process").view("Pumps").view("Lines");
}

TEST(Refresh, PressingTwiceBeforeTheHostAnswersSendsOneReload) {
    StockpileHarness h(oneOrganisation());
    h.attachAndOpen();
    h.host.clearCalls();
    h.control->cmdRefresh.raiseClick();
    h.control->cmdRefresh.raiseClick();
    EXPECT_EQ(h.host.callCount("Views.Load"), 1);
    EXPECT_TRUE(h.control->refreshing());
    EXPECT_EQ(h.control->MousePointer(), ui::pointer::Hourglass);
    h.host.completeLoads();
    // On the Options tab the chain ends when the views have loaded.
    EXPECT_FALSE(h.control->refreshing());
    EXPECT_EQ(h.control->MousePointer(), ui::pointer::Default);
    h.control->cmdRefresh.raiseClick();
    EXPECT_EQ(h.host.callCount("Views.Load"), 2);
}

TEST(Refresh, AHiddenBarOrAWorkspaceThatIsNotReadyIsNotRefreshed) {
    StockpileHarness h(oneOrganisation());
    h.attachAndOpen();
    h.host.clearCalls();
    h.host.bar("Stockpile")->data().visible = false;
    h.control->cmdRefresh.raiseClick();
    EXPECT_EQ(h.host.callCount("Views.Load"), 0);

    h.host.bar("Stockpile")->data().visible = true;
    h.host.workspace()->status() = 2;
    h.control->cmdRefresh.raiseClick();
    EXPECT_EQ(h.host.callCount("Views.Load"), 0);

    h.host.workspace()->status() = 3;
    h.control->setDialogBar(nullptr);
    h.control->cmdRefresh.raiseClick();
    EXPECT_EQ(h.host.callCount("Views.Load"), 0);
    EXPECT_FALSE(h.control->refreshing());
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST(Refresh, AutomaticRefreshReloadsEveryIntervalWhileTheBarIsVisible) {
    StockpileHarness h(oneOrganisation(), 5);
    h.attachAndOpen();
    h.host.clearCalls();
    h.desktop->advance(4999ms);
    EXPECT_EQ(h.host.callCount("Views.Load"), 0);
    h.desktop->advance(1ms);
    EXPECT_EQ(h.host.callCount("Views.Load"), 1);
    h.host.completeLoads();
    h.desktop->advance(5000ms);
    h.host.completeLoads();
    EXPECT_EQ(h.host.callCount("Views.Load"), 2);

    h.host.bar("Stockpile")->data().visible = false;
    h.desktop->advance(20000ms);
    EXPECT_EQ(h.host.callCount("Views.Load"), 2);
    h.host.bar("Stockpile")->data().visible = true;
    h.host.workspace()->status() = 0;
    h.desktop->advance(20000ms);
    EXPECT_EQ(h.host.callCount("Views.Load"), 2);
}

TEST(Refresh, OnAViewTabTheRefreshChainRequestsTheObjectsAgain) {
    StockpileHarness h(oneOrganisation());
    h.attachAndOpen();
    h.selectTab(3);
    const auto objects = h.host.objects("Process", "Lines");
    ASSERT_EQ(objects->loadRequests().size(), 1u);
    h.control->cmdRefresh.raiseClick();
    h.host.completeLoads();
    EXPECT_EQ(objects->loadRequests(), (std::vector<int32_t>{2, 2}));
    EXPECT_EQ(h.control->TabStrip.selectedTab(), 3);
}

TEST(Refresh, UntickedAutomaticRefreshDoesNotReload) {
    StockpileHarness h(oneOrganisation());
    h.attachAndOpen();
    h.control->txtRefreshRate.setText("5");
    h.host.clearCalls();
    h.desktop->advance(60000ms);
    EXPECT_EQ(h.host.callCount("Views.Load"), 0);
}

TEST(Refresh, SeventySecondsAreRefusedAndTheStoredRateGoesBack) {
    StockpileHarness h(oneOrganisation(), 5);
    h.control->txtRefreshRate.setText("70");
    EXPECT_EQ(h.control->tmrRefreshMePlease.Interval(), 5000);
    EXPECT_EQ(h.control->refreshRate(), 5);
    EXPECT_EQ(h.storedStockpileNumber("RefreshRate"), 5);
    EXPECT_EQ(h.reporter->count(), 0u);
    h.control->txtRefreshRate.setText("abc");
    EXPECT_EQ(h.control->tmrRefreshMePlease.Interval(), 5000);
    EXPECT_EQ(h.storedStockpileNumber("RefreshRate"), 5);
    h.control->txtRefreshRate.setText("12");
    EXPECT_EQ(h.control->tmrRefreshMePlease.Interval(), 12000);
    EXPECT_EQ(h.storedStockpileNumber("RefreshRate"), 12);
}

TEST(Refresh, ClearingTheTickStoresZeroAndTickingAgainStoresTheShownRate) {
    StockpileHarness h(oneOrganisation(), 15);
    h.control->chkAutoRefresh.setValue(ui::CheckBox::Unchecked);
    EXPECT_EQ(h.storedStockpileNumber("RefreshRate"), 0);
    h.control->chkAutoRefresh.setValue(ui::CheckBox::Checked);
    EXPECT_EQ(h.storedStockpileNumber("RefreshRate"), 15);
    // A box without a number leaves the stored rate alone.
    h.control->txtRefreshRate.setText("x");
    h.control->chkAutoRefresh.setValue(ui::CheckBox::Checked);
    EXPECT_EQ(h.storedStockpileNumber("RefreshRate"), 15);
}

TEST(Refresh, AFailingReloadIsReportedOnceAndTheNextPressWorks) {
    StockpileHarness h(oneOrganisation());
    h.attachAndOpen();
    h.host.failOn("Views.Load");
    h.control->cmdRefresh.raiseClick();
    ASSERT_EQ(h.reporter->count(), 1u);
    EXPECT_EQ(h.reporter->reports()[0].procedure, "cmdRefresh");
    EXPECT_EQ(h.reporter->reports()[0].source, "projStockpile.ctlStockpile");
    EXPECT_FALSE(h.control->refreshing());
    h.control->cmdRefresh.raiseClick();
    EXPECT_TRUE(h.control->refreshing());
}

} // namespace
} // namespace kv380::test
