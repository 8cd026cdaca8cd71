#include "support/StockpileHarness.h"

#include <gtest/gtest.h>

namespace kv380::test {
namespace {

FakeHost::Builder classes() {
    return FakeHost::Builder()
        .organisation("By Plot Area")
        .view("All Objects", "PPID", "1")
        .view("All UO Objects", "PPID", "2")
        .view("Area 1", "PPID", "3")
        .organisation("Process")
        .view("Pumps", "Sim", "4");
}

TEST(SymbolMap, KeysDifferByLetterCaseAndASecondSetReplaces) {
    StockpileHarness h;
    auto& c = *h.control;
    c.SetSymbolMap("47", "PFD", "PPID", "Blocks\\A.sym;Blocks\\B.sym");
    c.SetSymbolMap("47", "pfd", "PPID", "Blocks\\C.sym");
    EXPECT_EQ(c.GetSymbolMap("47", "PFD", "PPID"), "Blocks\\A.sym;Blocks\\B.sym");
    EXPECT_EQ(c.GetSymbolMap("47", "pfd", "PPID"), "Blocks\\C.sym");
    c.SetSymbolMap("47", "PFD", "PPID", "Blocks\\D.sym");
    EXPECT_EQ(c.GetSymbolMap("47", "PFD", "PPID"), "Blocks\\D.sym");
    c.SetSymbolMap("47", "PFD", "PPID", "");
    EXPECT_EQ(c.GetSymbolMap("47", "PFD", "PPID"), "");
    EXPECT_EQ(c.GetSymbolMap("48", "PFD", "PPID"), "");
}

TEST(SymbolMap, TheDiagramClassFollowsTheViewShown) {
    StockpileHarness h(classes());
    h.attachAndOpen();
    EXPECT_EQ(h.control->GetDiagramClass(), ""); // the Options tab
    h.selectTab(2);
    EXPECT_EQ(h.control->GetDiagramClass(), "PFD");
    h.selectTab(3);
    EXPECT_EQ(h.control->GetDiagramClass(), "Sim");
    h.selectTab(4);
    EXPECT_EQ(h.control->GetDiagramClass(), "PPID");
    h.control->cmbOrganiseBy.setListIndex(1);
    h.host.completeLoads();
    h.selectTab(2);
    EXPECT_EQ(h.control->GetDiagramClass(), "Sim");
}

TEST(SymbolMap, IsDiagramConversionAsksTheSymbolLibraryAndSaysNoWhenItCannot) {
    StockpileHarness h(classes());
    h.attachAndOpen();
    h.selectTab(4);
    h.host.symbolLibrary()->answerDiagramConversion("PPID", "PFD", true, true);
    bool sim = false;
    EXPECT_TRUE(h.control->IsDiagramConversion("PFD", sim));
    EXPECT_TRUE(sim);
    h.host.failOn("SymbolLibrary.IsDiagramConversion");
    sim = false;
    EXPECT_FALSE(h.control->IsDiagramConversion("PFD", sim));
    EXPECT_FALSE(sim);
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST(SymbolMap, TheListSeedsTheMapSymbolFirstAndNeverReorders) {
    StockpileHarness h(
        FakeHost::Builder()
            .organisation("Process")
            .view("Pumps", "PFD", "7")
            .object({.id = "1", .key = "P-1", .symbol = "Pumps\\A.sym", .mapSymbol = "\\Blocks\\M.sym"})
            .object({.id = "2", .key = "P-2", .symbol = "Pumps\\A.sym", .mapSymbol = "Blocks\\M.sym"})
            .object({.id = "3", .key = "P-3", .symbol = "Pumps\\A.sym", .mapSymbol = "Other\\X.sym"})
            .symbolFile("Pumps\\A.sym"));
    h.host.symbolLibrary()->answerFolderInTemplate("\\Blocks", "PPID");
    h.host.symbolLibrary()->answerFolderInTemplate("Blocks", "PPID");
    h.host.symbolLibrary()->answerSymbolMap("PFD", "PPID", "Pumps\\A.sym", "");
    h.control->SetSymbolMap("2", "PFD", "PPID", "Blocks\\Z.sym;Blocks\\M.sym");
    h.attachAndOpen();
    h.selectTab(2);
    EXPECT_EQ(h.control->GetSymbolMap("1", "PFD", "PPID"), "Blocks\\M.sym;");
    EXPECT_EQ(h.control->GetSymbolMap("2", "PFD", "PPID"), "Blocks\\Z.sym;Blocks\\M.sym");
    EXPECT_EQ(h.control->GetSymbolMap("3", "PFD", "PPID"), ""); // its folder is not in the template
}

TEST(SymbolMap, OnlyOneLeadingBackslashIsDroppedFromTheMapSymbol) {
    StockpileHarness h(
        FakeHost::Builder()
            .organisation("Process")
            .view("Pumps", "PFD", "7")
            .object({.id = "1", .key = "P-1", .symbol = "A.sym", .mapSymbol = "\\\\Blocks\\M.sym"})
            .symbolFile("A.sym"));
    h.host.symbolLibrary()->answerFolderInTemplate("\\Blocks", "PPID");
    h.host.symbolLibrary()->answerSymbolMap("PFD", "PPID", "A.sym", "");
    h.attachAndOpen();
    h.selectTab(2);
    EXPECT_EQ(h.control->GetSymbolMap("1", "PFD", "PPID"), "\\Blocks\\M.sym;");
}

TEST(SymbolMap, ASourceClassWithoutTargetNeverAsksAboutTemplateFolders) {
    StockpileHarness h(FakeHost::Builder()
                           .organisation("Process")
                           .view("Pumps", "PPID", "7")
                           .object({.id = "1", .key = "P-1", .symbol = "A.sym", .mapSymbol = "Blocks\\M.sym"})
                           .symbolFile("A.sym"));
    h.attachAndOpen();
    h.selectTab(2);
    EXPECT_EQ(h.host.callCount("SymbolLibrary.IsFolderInTemplate"), 0);
    EXPECT_EQ(h.list(1).itemCount(), 1);
}

TEST(SymbolMap, AnActivatedDrawingReloadsTheViewOnlyInByPlotArea) {
    StockpileHarness h(classes());
    h.attachAndOpen();
    h.selectTab(4);
    const auto objects = h.host.objects("By Plot Area", "Area 1");
    const auto before = objects->loadRequests().size();
    h.control->DocumentActivated("PPID", "77");
    EXPECT_EQ(h.host.view("By Plot Area", "Area 1")->data().diagramIdsSet.back(), 77);
    EXPECT_EQ(objects->loadRequests().size(), before + 1);
    EXPECT_EQ(objects->loadRequests().back(), 3);

    h.control->cmbOrganiseBy.setListIndex(1);
    h.host.completeLoads();
    h.selectTab(2);
    h.host.clearCalls();
    h.control->DocumentActivated("Sim", "78");
    EXPECT_EQ(h.host.callCount("View.setDiagramID"), 0);
    EXPECT_EQ(h.host.callCount("PresentedObjects.Load"), 0);
}

TEST(SymbolMap, AnActivatedDrawingIsIgnoredDuringADragAndOnTheOptionsTab) {
    StockpileHarness h(classes());
    h.attachAndOpen();
    h.host.clearCalls();
    h.control->DocumentActivated("PPID", "77"); // Options tab: only the organisation's name is read
    EXPECT_EQ(h.host.callCount("View.setDiagramID"), 0);
    EXPECT_EQ(h.host.callCount("Organisation.Name"), 1);

    h.selectTab(4);
    h.list(3).raiseOLEStartDrag();
    EXPECT_TRUE(h.control->dragging());
    h.host.clearCalls();
    h.control->DocumentActivated("PPID", "77");
    EXPECT_TRUE(h.host.calls().empty());
    h.list(3).raiseOLECompleteDrag();
    EXPECT_FALSE(h.control->dragging());
}

TEST(SymbolMap, ADiagramIdThatIsNotANumberReachesTheHost) {
    StockpileHarness h(classes());
    h.attachAndOpen();
    h.selectTab(4);
    try {
        h.control->DocumentActivated("PPID", "seventy");
        FAIL() << "expected a type mismatch";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), 13);
    }
}

} // namespace
} // namespace kv380::test
