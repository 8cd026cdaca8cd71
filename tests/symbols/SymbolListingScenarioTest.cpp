#include "platform/ui/MousePointer.h"
#include "platform/ui/MsgBoxStyle.h"
#include "support/StockpileHarness.h"

#include <gtest/gtest.h>

namespace kv380::test {
namespace {

using namespace std::chrono_literals;

struct Listed {
    std::string key;
    std::string text;
    bool operator==(const Listed&) const = default;
};

std::vector<Listed> listed(const ui::RWListView& list) {
    std::vector<Listed> out;
    for (int i = 1; i <= list.itemCount(); ++i) {
        out.push_back({list.item(i).key, list.item(i).text});
    }
    return out;
}

// One organisation with a "Pumps" view whose objects use every form of symbol path.
FakeHost::Builder plant() {
    return FakeHost::Builder()
        .organisation("Process")
        .view("Pumps", "PFD", "7")
        .object({.id = "1", .key = "P-101", .type = "Pump", .symbol = "Pumps\\Centrifugal.sym"})
        .object({.id = "2", .key = "P-102", .type = "Pump", .symbol = "Centrifugal.sym"})
        .object({.id = "3", .key = "N-1", .type = "Node", .symbol = "Pumps\\Centrifugal.sym"})
        .object({.id = "4", .key = "N-2", .type = "PipeNode", .symbol = "Pumps\\Centrifugal.sym"})
        .object({.id = "5", .key = "X-1", .type = "Pump", .symbol = ""})
        .object({.id = "6", .key = "P-103", .type = "Pump", .symbol = "Pumps\\Centrifugal.sym"})
        .object({.id = "7", .key = "V-1", .type = "Valve", .symbol = "Valves\\Missing.sym"})
        .symbolFile("Pumps\\Centrifugal.sym")
        .symbolFile("Deep\\Er\\Centrifugal.sym")
        .view("Lines", "PFD", "8");
}

TEST(SymbolListing, AViewsObjectsAreListedWithAbsoluteSymbolsEndToEnd) {
    StockpileHarness h(plant());
    h.attachAndOpen();
    h.desktop->answerNext(ui::msgbox::OK); // one symbol cannot be found
    h.selectTab(2);

    const std::string pump = h.host.symbolPath("Pumps\\Centrifugal.sym");
    // Object 2 names only the file: the first match in the tree wins (the root's own files, then
    // sub-folders in name order: Deep before Pumps).
    const std::string byName = h.host.symbolPath("Deep\\Er\\Centrifugal.sym");
    EXPECT_EQ(
        listed(h.list(1)),
        (std::vector<Listed>{{pump + "<1>", "P-101"}, {byName + "<2>", "P-102"}, {pump + "<6>", "P-103"}}));
    EXPECT_EQ(h.list(1).itemData<std::shared_ptr<IKVPresentedObject>>(1), h.host.object("1"));
    EXPECT_EQ(h.host.object("1")->data().symbol, pump);
    EXPECT_EQ(h.host.object("7")->data().symbol, ""); // cleared
    EXPECT_FALSE(h.control->refreshing());
    EXPECT_EQ(h.control->MousePointer(), ui::pointer::Default);
    EXPECT_TRUE(h.control->tmrRefreshMePlease.Enabled());

    ASSERT_EQ(h.desktop->messageBoxes().size(), 1u);
    const auto& box = h.desktop->messageBoxes()[0];
    EXPECT_EQ(box.prompt, "Could not find symbol Valves\\Missing.sym for item V-1\r\n");
    EXPECT_EQ(box.title, "Stockpile");
    EXPECT_EQ(box.style, ui::msgbox::OKOnly + ui::msgbox::Exclamation);
    ASSERT_EQ(h.reporter->count(), 1u);
    const auto& report = h.reporter->reports()[0];
    EXPECT_EQ(report.number, 9999);
    EXPECT_EQ(report.source, "");
    EXPECT_EQ(report.procedure, "ctlStockpile::ConvertSymbolPath");
    EXPECT_EQ(report.description, "Could not find symbol Valves\\Missing.sym for item V-1");
}

TEST(SymbolListing, AStoredAbsolutePathIsLeftAsItStandsEvenWithALeadingDoubleBackslash) {
    StockpileHarness h(plant());
    const std::string pump = h.host.symbolPath("Pumps\\Centrifugal.sym");
    h.host.object("1")->data().symbol = "\\\\" + pump;
    h.host.object("7")->data().symbol = pump;
    h.attachAndOpen();
    h.selectTab(2);
    EXPECT_EQ(h.host.object("1")->data().symbol, "\\\\" + pump);
    EXPECT_EQ(h.desktop->messageBoxes().size(), 0u);
    EXPECT_EQ(h.list(1).item(1).key, "\\\\" + pump + "<1>");
}

TEST(SymbolListing, TheFilterAppliesToTheObjectKey) {
    StockpileHarness h(plant());
    h.host.object("7")->data().symbol = h.host.symbolPath("Pumps\\Centrifugal.sym");
    h.control->txtFilterBy.setText("P-10[13]");
    h.attachAndOpen();
    h.selectTab(2);
    EXPECT_EQ(h.list(1).itemCount(), 2);
    EXPECT_EQ(h.list(1).item(1).text, "P-101");
    EXPECT_EQ(h.list(1).item(2).text, "P-103");
}

TEST(SymbolListing, AMalformedFilterListsNothingAndIsReportedOncePerFill) {
    StockpileHarness h(FakeHost::Builder()
                           .organisation("Process")
                           .view("Pumps")
                           .object({.id = "1", .key = "P-101", .symbol = "A.sym"})
                           .object({.id = "2", .key = "P-102", .symbol = "A.sym"})
                           .object({.id = "3", .key = "P-103", .symbol = "A.sym"})
                           .symbolFile("A.sym"));
    h.control->txtFilterBy.setText("[z-a]");
    h.attachAndOpen();
    h.selectTab(2);
    EXPECT_EQ(h.list(1).itemCount(), 0);
    ASSERT_EQ(h.reporter->count(), 1u);
    EXPECT_EQ(h.reporter->reports()[0].procedure, "InFilter");
    EXPECT_EQ(h.reporter->reports()[0].number, 93);
    // The next fill says it again, once.
    h.control->RefreshSymbols();
    h.host.completeLoads();
    EXPECT_EQ(h.reporter->count(), 2u);
    // Mended, the filter lists again.
    h.control->txtFilterBy.setText("P-10[23]");
    h.control->RefreshSymbols();
    h.host.completeLoads();
    EXPECT_EQ(h.list(1).itemCount(), 2);
    EXPECT_EQ(h.reporter->count(), 2u);
}

TEST(SymbolListing, TheSameObjectTwiceIsListedOnce) {
    StockpileHarness h(FakeHost::Builder()
                           .organisation("Process")
                           .view("Pumps")
                           .object({.id = "1", .key = "P-101", .symbol = "A.sym"})
                           .object({.id = "1", .key = "P-101", .symbol = "A.sym"})
                           .object({.id = "2", .key = "P-102", .symbol = "A.sym"})
                           .symbolFile("A.sym"));
    h.attachAndOpen();
    h.selectTab(2);
    EXPECT_EQ(h.list(1).itemCount(), 2);
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST(SymbolListing, ARefreshKeepsTabAndPageAndRefillsTheList) {
    FakeHost::Builder builder = organisationWithViews("Big", 300);
    builder.object({.id = "9", .key = "T-1", .symbol = "A.sym"}).symbolFile("A.sym");
    StockpileHarness h(builder);
    h.attachAndOpen();
    h.control->txtPageNo.setText("2");
    h.selectTab(47); // the last view, number 300
    ASSERT_EQ(h.list(46).itemCount(), 1);
    h.host.objects("Big", "View 300")->add({.id = "10", .key = "T-2", .symbol = "A.sym"});
    h.control->cmdRefresh.raiseClick();
    h.host.completeLoads();
    EXPECT_EQ(h.control->currentPage(), 2);
    EXPECT_EQ(h.control->TabStrip.selectedTab(), 47);
    EXPECT_EQ(h.list(46).itemCount(), 2);
    EXPECT_TRUE(h.list(46).Visible());
    EXPECT_FALSE(h.control->refreshing());
}

TEST(SymbolListing, AutomaticRefreshOnAViewTabReloadsEveryInterval) {
    StockpileHarness h(plant(), 5);
    h.host.object("7")->data().symbol = "";
    h.attachAndOpen();
    h.selectTab(2);
    const auto objects = h.host.objects("Process", "Pumps");
    ASSERT_EQ(objects->loadRequests().size(), 1u);
    h.desktop->advance(5000ms);
    h.host.completeLoads();
    h.desktop->advance(5000ms);
    h.host.completeLoads();
    EXPECT_EQ(objects->loadRequests().size(), 3u);
    EXPECT_EQ(h.list(1).itemCount(), 3);
}

TEST(SymbolListing, AFailingObjectReadMidListIsPassedOverAndTheRestIsListed) {
    StockpileHarness h(FakeHost::Builder()
                           .organisation("Process")
                           .view("Pumps")
                           .object({.id = "1", .key = "P-101", .symbol = "A.sym"})
                           .object({.id = "2", .key = "P-102", .symbol = "A.sym"})
                           .symbolFile("A.sym"));
    h.attachAndOpen();
    h.control->TabStrip.selectTab(2);
    // The fill reads ObjectKey once per object; the first read fails.
    h.host.failOn("PresentedObject.ObjectKey", 1);
    h.host.completeLoads();
    EXPECT_EQ(h.list(1).itemCount(), 1);
    EXPECT_EQ(h.list(1).item(1).text, "P-102");
}

TEST(SymbolListing, AnUnreachableSymbolStoreIsReportedAndTheObjectsAreListedAllTheSame) {
    StockpileHarness h(plant());
    const std::string pump = h.host.symbolPath("Pumps\\Centrifugal.sym");
    h.host.object("1")->data().symbol = pump;
    h.attachAndOpen();
    h.host.failOn("SymbolStore.RootFolder");
    h.desktop->answerNext(ui::msgbox::OK);
    h.selectTab(2);
    ASSERT_EQ(h.reporter->count(), 1u);
    EXPECT_EQ(h.reporter->reports()[0].procedure, "ConvertSymbolsToAbsolutePaths");
    ASSERT_EQ(h.desktop->messageBoxes().size(), 1u);
    EXPECT_EQ(h.desktop->messageBoxes()[0].prompt, "Unexpected error processing symbol references");
    // Nothing was converted, and every object with a symbol is still listed.
    EXPECT_EQ(h.list(1).itemCount(), 4);
    EXPECT_EQ(h.host.object("2")->data().symbol, "Centrifugal.sym");
    // The next load converts again.
    h.desktop->answerNext(ui::msgbox::OK);
    h.control->RefreshSymbols();
    h.host.completeLoads();
    EXPECT_EQ(h.host.object("2")->data().symbol, h.host.symbolPath("Deep\\Er\\Centrifugal.sym"));
}

} // namespace
} // namespace kv380::test
