// A mouse button released over the list: the status tooltip, the connector tool and the two context menus.
#include "platform/ui/MsgBoxStyle.h"
#include "support/StockpileHarness.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kv380::test {
namespace {

constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kMiddle = 4;

// "All Objects" stands for PFD diagrams, which convert into PPID ones; the active drawing is a PPID one.
FakeHost::Builder plant() {
    return FakeHost::Builder()
        .organisation("Process")
        .view("All Objects", "PFD")
        .object({.id = "1", .key = "P-101", .symbol = "Pumps\\Centrifugal.sym"})
        .object({.id = "2", .key = "D-201", .symbol = "Vessels\\Drum.sym"})
        .object({.id = "3", .key = "L-1", .type = "Pipe", .symbol = "Lines\\Process Line.sym"})
        .object({.id = "4", .key = "C-401", .symbol = "Vessels\\Column.sym", .mapSymbol = "Blocks\\Col.sym"})
        .view("Unclassed", "")
        .object({.id = "5", .key = "X-1", .symbol = "Vessels\\Drum.sym"})
        .organisation("By Area")
        .view("All Objects", "PFD")
        .object({.id = "6", .key = "A-1", .symbol = "Vessels\\Drum.sym"})
        .symbolFile("Pumps\\Centrifugal.sym")
        .symbolFile("Vessels\\Drum.sym")
        .symbolFile("Vessels\\Column.sym")
        .symbolFile("Lines\\Process Line.sym")
        .activeDocument("10", "PPID");
}

// The panel showing "All Objects" of "Process", the call log and reports cleared.
struct Panel : StockpileHarness {
    explicit Panel(int32_t storedRate = 0) : StockpileHarness(plant(), storedRate) {
        attachAndOpen();
        selectTab(2);
        host.symbolLibrary()->answerConversionTargets("PFD", "PPID");
        host.symbolLibrary()->clearCalls();
        host.clearCalls();
        reporter->clear();
    }
    ui::RWListView& shown() const { return list(control->TabStrip.selectedTab() - 1); }
    void select(std::initializer_list<int> items) {
        shown().deselectAll();
        for (int i : items) {
            shown().setItemSelected(i, true);
        }
    }
    void release(int button) { shown().raiseMouseUp(button, 0, 120, 120); }
    std::string path(const std::string& relative) const { return host.symbolPath(relative); }
    const ScriptedDesktop::MenuPopup& lastMenu() { return desktop->menuPopups().back(); }
    std::vector<std::string> keys() const {
        std::vector<std::string> texts;
        for (int i = 1; i <= shown().itemCount(); ++i) {
            texts.push_back(shown().item(i).text);
        }
        return texts;
    }
};

TEST(ListStatus, WithoutAnActiveDrawingOrADiagramClassThereIsNoActiveDocument) {
    Panel h;
    h.host.deactivateDocuments();
    h.select({1});
    h.release(kLeft);
    EXPECT_EQ(h.shown().ToolTipText(), "No active document");

    h.host.activateDocument("10");
    h.selectTab(3); // "Unclassed": a view without a diagram class
    h.select({1});
    h.release(kLeft);
    EXPECT_EQ(h.shown().ToolTipText(), "No active document");
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST(ListStatus, NotExactlyOneObjectAsksForOne) {
    Panel h;
    h.select({});
    h.release(kLeft);
    EXPECT_EQ(h.shown().ToolTipText(), "Select an object.");
    h.shown().setToolTipText("");
    h.select({1, 2});
    h.release(kLeft);
    EXPECT_EQ(h.shown().ToolTipText(), "Select an object.");
}

TEST(ListStatus, AnObjectsOwnMapSymbolWinsWhateverTheLibrarySays) {
    Panel h;
    h.host.symbolLibrary()->answerSymbolMap("PFD", "PPID", "Vessels\\Column.sym", "A.sym;B.sym");
    h.select({4});
    h.release(kLeft);
    EXPECT_EQ(h.shown().ToolTipText(), "Rule or ObjectMapper mapped symbol exists.");
    EXPECT_EQ(h.host.callCount("SymbolLibrary.GetSymbolMap"), 0);
}

TEST(ListStatus, TheLibrarysMappingForTheActiveDrawingsClassTellsHowManySymbolsAreMapped) {
    Panel h;
    auto& library = *h.host.symbolLibrary();
    library.answerSymbolMap("PFD", "PPID", "Pumps\\Centrifugal.sym", "A.sym;B.sym");
    library.answerSymbolMap("PFD", "PPID", "Vessels\\Drum.sym", "A.sym");
    const std::pair<int, const char*> expected[] = {{1, "Multiple mapped symbols exist."},
                                                    {2, "Default mapped symbol exists."},
                                                    {3, "No mapped symbol exists."}};
    for (const auto& [item, text] : expected) {
        h.select({item});
        h.release(kLeft);
        EXPECT_EQ(h.shown().ToolTipText(), text);
    }
    EXPECT_EQ(library.calls().front(), "GetSymbolMap(PFD, PPID, Pumps\\Centrifugal.sym, false)");
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST(ListStatus, WithoutAnApplicationTheTooltipStaysAsItIs) {
    Panel h;
    h.control->setApplicationObject(nullptr); // reported: no database server without an application
    h.reporter->clear();
    h.select({1});
    h.shown().setToolTipText("as it was");
    h.release(kLeft);
    EXPECT_EQ(h.shown().ToolTipText(), "as it was");
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST(ListConnector, AClickOnAConnectorObjectStartsTheConnectorTool) {
    Panel h;
    const std::string line = h.path("Lines\\Process Line.sym");
    h.host.symbolBehaviour(line, 3);
    h.select({3});
    h.release(kLeft);
    h.release(kMiddle);
    const std::string command = "KV380Connector.ctlCreateConnector\"" + line + "<3>";
    EXPECT_EQ(h.host.application()->data().startedCommands, (std::vector<std::string>{command, command}));
    // The right button opens the menu instead.
    h.desktop->dismissNextMenu();
    h.release(kRight);
    EXPECT_EQ(h.host.application()->data().startedCommands.size(), 2u);
}

TEST(ListConnector, NoConnectorWithoutADrawingForAnotherBehaviourOrForTwoObjects) {
    Panel h;
    h.host.symbolBehaviour(h.path("Lines\\Process Line.sym"), 3);
    h.select({1});
    h.release(kLeft); // behaviour 0
    h.select({3, 1});
    h.release(kLeft);
    h.host.deactivateDocuments();
    h.select({3});
    h.release(kLeft);
    EXPECT_TRUE(h.host.application()->data().startedCommands.empty());
    // Only the first click read a symbol: nothing to draw on, or not one object, reads none.
    EXPECT_EQ(h.host.application()->data().addedDocuments.size(), 1u);
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST(ListConnector, ASymbolWhoseBehaviourCannotBeReadIsReportedOnceAndTheNextClickWorks) {
    Panel h;
    h.host.symbolBehaviour(h.path("Lines\\Process Line.sym"), 3);
    h.select({3});
    h.host.failOn("Sheet.PlaceSymbol");
    h.release(kLeft);
    EXPECT_EQ(h.reporter->procedures(), std::vector<std::string>{"ctlSymbolLibrary::GetSymbolBehaviour()"});
    EXPECT_TRUE(h.host.application()->data().startedCommands.empty());
    h.release(kLeft);
    EXPECT_EQ(h.host.application()->data().startedCommands.size(), 1u);
}

TEST(ObjectMenu, OneObjectGetsEveryCommandAndTheListIsReloadedAfterwards) {
    Panel h;
    h.select({1});
    h.desktop->dismissNextMenu();
    h.release(kRight);
    const auto& menu = h.lastMenu();
    EXPECT_EQ(menu.menu, "mnuStockPile");
    EXPECT_EQ(menu.owner, "frmPopUpMenu");
    for (const char* item : {"mnuSymbolMap", "mnuFindOnDwg", "mnuDatasheets", "mnuDelete"}) {
        ASSERT_NE(menu.item(item), nullptr) << item;
        EXPECT_TRUE(menu.item(item)->enabled) << item;
    }
    EXPECT_EQ(h.host.callCount("PresentedObjects.Load"), 1);
    EXPECT_FALSE(h.control->tmrRefreshMePlease.Enabled());
    h.host.completeLoads();
    EXPECT_TRUE(h.control->tmrRefreshMePlease.Enabled());
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST(ObjectMenu, TwoObjectsOnlyOfferDelete) {
    Panel h;
    h.select({1, 2});
    h.desktop->dismissNextMenu();
    h.release(kRight);
    const auto& menu = h.lastMenu();
    EXPECT_FALSE(menu.item("mnuSymbolMap")->enabled);
    EXPECT_FALSE(menu.item("mnuFindOnDwg")->enabled);
    EXPECT_FALSE(menu.item("mnuDatasheets")->enabled);
    EXPECT_TRUE(menu.item("mnuDelete")->enabled);
}

TEST(ObjectMenu, SymbolMapNeedsAConversionTarget) {
    Panel h;
    h.host.symbolLibrary()->answerConversionTargets("PFD", "");
    h.select({1});
    h.desktop->dismissNextMenu();
    h.release(kRight);
    EXPECT_FALSE(h.lastMenu().item("mnuSymbolMap")->enabled);
    EXPECT_TRUE(h.lastMenu().item("mnuFindOnDwg")->enabled);
    EXPECT_EQ(h.host.symbolLibrary()->calls().back(), "GetTemplateConversionTargets(PFD)");
}

TEST(ObjectMenu, FindOnDrawingsRunsTheFindCommandForTheObject) {
    Panel h;
    h.select({3});
    h.desktop->chooseNext("mnuFindOnDwg");
    h.release(kRight);
    EXPECT_EQ(h.host.application()->data().statusBarTexts, std::vector<std::string>{"PipeBrowser 3 L-1"});
    EXPECT_EQ(h.host.application()->data().runCommands, std::vector<int32_t>{12094});
}

TEST(ObjectMenu, DeletedObjectsAreGoneFromTheListOnceItIsReloaded) {
    Panel h;
    h.select({1, 3});
    h.desktop->chooseNext("mnuDelete");
    h.desktop->answerNext(ui::msgbox::Yes);
    h.release(kRight);
    ASSERT_EQ(h.host.services().deleteRequests.size(), 1u);
    EXPECT_EQ(h.host.services().deleteRequests[0].ids, (std::vector<int32_t>{1, 3}));
    h.host.completeLoads();
    EXPECT_EQ(h.keys(), (std::vector<std::string>{"D-201", "C-401"}));
}

TEST(ObjectMenu, ASelectionHoldingAnEmptyItemHasNoDatasheets) {
    Panel h;
    h.shown().addItem("empty", "empty item");
    h.select({5});
    h.desktop->chooseNext("mnuDatasheets");
    h.desktop->answerNext(ui::msgbox::OK);
    h.release(kRight);
    EXPECT_EQ(h.shown().ToolTipText(), "Select an object.");
    ASSERT_EQ(h.desktop->messageBoxes().size(), 1u);
    EXPECT_EQ(h.desktop->messageBoxes()[0].prompt, "The selected object does not have datasheets");
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST(ObjectMenu, ACommandWhoseHostCallFailsIsReportedOnceAndTheNextRightClickWorks) {
    const std::pair<const char*, const char*> cases[] = {
        {"mnuFindOnDwg", "DrawingApplication.RunCommand"},
        {"mnuDatasheets", "DatasheetLauncher.ShowDatasheets"},
        {"mnuDelete", "ObjectDeleter.DeleteObjects"},
    };
    const std::map<std::string, std::string> procedures{{"mnuFindOnDwg", "mnuFindOnDwg_Click"},
                                                        {"mnuDatasheets", "mnuDatasheets_Click"},
                                                        {"mnuDelete", "frmPopupMenu::mnuDeleteClick()"}};
    for (const auto& [item, operation] : cases) {
        SCOPED_TRACE(item);
        Panel h;
        h.select({2});
        h.host.failOn(operation);
        h.desktop->chooseNext(item);
        if (std::string(item) == "mnuDelete") {
            h.desktop->answerNext(ui::msgbox::Yes);
        }
        EXPECT_NO_THROW(h.release(kRight));
        EXPECT_EQ(h.reporter->procedures(), std::vector<std::string>{procedures.at(item)});
        EXPECT_FALSE(h.control->tmrRefreshMePlease.Enabled());
        h.host.completeLoads();
        h.select({2});
        h.desktop->chooseNext("mnuFindOnDwg");
        h.release(kRight);
        EXPECT_EQ(h.host.application()->data().statusBarTexts.back(), "Stockpile 2 D-201");
        EXPECT_EQ(h.reporter->count(), 1u);
    }
}

TEST(ObjectMenu, WithoutAnApplicationNoMenuOpensAndOneReportSaysWhy) {
    Panel h;
    h.control->setApplicationObject(nullptr);
    h.reporter->clear();
    h.select({1});
    h.release(kRight);
    EXPECT_TRUE(h.desktop->menuPopups().empty());
    EXPECT_EQ(h.reporter->procedures(), std::vector<std::string>{"ctlStockpile::DwgApp"});
    EXPECT_FALSE(h.control->tmrRefreshMePlease.Enabled());
    // Attached again, the next right-click opens the menu.
    h.control->setApplicationObject(h.host.application());
    h.desktop->dismissNextMenu();
    h.release(kRight);
    EXPECT_EQ(h.desktop->menuPopups().size(), 1u);
}

TEST(ObjectMenu, AStatusThatCannotBeHadIsReportedAndTheMenuStillOpens) {
    Panel h;
    h.select({1});
    h.host.failOn("SymbolLibrary.GetSymbolMap");
    h.desktop->chooseNext("mnuFindOnDwg");
    h.release(kRight);
    EXPECT_EQ(h.reporter->procedures(), std::vector<std::string>{"rwlvStockpile_MouseUp"});
    EXPECT_EQ(h.host.application()->data().runCommands.size(), 1u);
}

TEST(BackgroundMenu, PresetsTellTheListsStateAndDisablingAutoRefreshStoresRateZero) {
    Panel h(15);
    ASSERT_EQ(h.control->chkAutoRefresh.Value(), ui::CheckBox::Checked);
    h.select({});
    h.desktop->chooseNext("mnuAutoRefresh");
    h.release(kRight);
    const auto& menu = h.lastMenu();
    EXPECT_EQ(menu.menu, "mnuBackground");
    EXPECT_EQ(menu.item("mnuAutoRefresh")->caption, "Disable AutoRefresh");
    EXPECT_TRUE(menu.item("mnuLargeIcon")->checked);
    EXPECT_FALSE(menu.item("mnuSmallIcon")->checked);
    EXPECT_FALSE(menu.item("mnuSort")->checked);
    EXPECT_EQ(h.control->chkAutoRefresh.Value(), ui::CheckBox::Unchecked);
    EXPECT_EQ(h.storedStockpileNumber("RefreshRate").value_or(-1), 0);
    EXPECT_FALSE(h.control->tmrRefreshMePlease.Enabled());

    h.desktop->chooseNext("mnuAutoRefresh");
    h.release(kRight);
    EXPECT_EQ(h.lastMenu().item("mnuAutoRefresh")->caption, "Enable AutoRefresh");
    EXPECT_EQ(h.control->chkAutoRefresh.Value(), ui::CheckBox::Checked);
    EXPECT_EQ(h.storedStockpileNumber("RefreshRate").value_or(-1), 15);
}

TEST(BackgroundMenu, SmallIconsStayWithTheirViewAcrossTabChangesAndOtherOrganisationsKeepTheirOwn) {
    Panel h;
    h.desktop->chooseNext("mnuSmallIcon");
    h.release(kRight);
    EXPECT_EQ(h.list(1).View(), ui::RWListView::SmallIcons);
    h.selectTab(3);
    h.selectTab(2);
    EXPECT_EQ(h.list(1).View(), ui::RWListView::SmallIcons);

    h.control->cmbOrganiseBy.setListIndex(1); // "By Area", whose view is listed in the same list element
    h.host.completeLoads();
    h.selectTab(2);
    EXPECT_EQ(h.list(1).View(), ui::RWListView::LargeIcons);

    h.control->cmbOrganiseBy.setListIndex(0);
    h.host.completeLoads();
    h.selectTab(2);
    EXPECT_EQ(h.list(1).View(), ui::RWListView::SmallIcons);
    h.desktop->chooseNext("mnuLargeIcon");
    h.release(kRight);
    EXPECT_FALSE(h.lastMenu().item("mnuLargeIcon")->checked);
    EXPECT_TRUE(h.lastMenu().item("mnuSmallIcon")->checked);
    EXPECT_EQ(h.list(1).View(), ui::RWListView::LargeIcons);
    h.selectTab(3);
    h.selectTab(2);
    EXPECT_EQ(h.list(1).View(), ui::RWListView::LargeIcons);
}

TEST(BackgroundMenu, SortSortsAndTakingTheMarkAwayKeepsTheOrder) {
    Panel h;
    const std::string key = "Process/1";
    EXPECT_EQ(h.keys(), (std::vector<std::string>{"P-101", "D-201", "L-1", "C-401"}));
    h.desktop->chooseNext("mnuSort");
    h.release(kRight);
    EXPECT_EQ(h.keys(), (std::vector<std::string>{"C-401", "D-201", "L-1", "P-101"}));
    EXPECT_EQ(h.control->viewSortFlag(key), std::optional<bool>(true));

    h.desktop->chooseNext("mnuSort");
    h.release(kRight);
    EXPECT_TRUE(h.lastMenu().item("mnuSort")->checked);
    EXPECT_EQ(h.control->viewSortFlag(key), std::optional<bool>(false));
    EXPECT_EQ(h.keys(), (std::vector<std::string>{"C-401", "D-201", "L-1", "P-101"}));
}

TEST(BackgroundMenu, RefreshComesBeforeTheIconMarksAndGotoOptionsShowsTheOptions) {
    Panel h;
    h.list(1).setView(ui::RWListView::SmallIcons);
    h.desktop->chooseNext("mnuRefresh");
    h.release(kRight);
    EXPECT_TRUE(h.control->refreshing());
    EXPECT_EQ(h.host.callCount("Views.Unload"), 1);
    h.host.completeLoads();

    h.desktop->chooseNext("mnuGotoOptions");
    h.release(kRight);
    EXPECT_EQ(h.control->TabStrip.selectedTab(), 1);
    EXPECT_TRUE(h.control->fraOrganise.Visible());
    EXPECT_FALSE(h.control->tmrRefreshMePlease.Enabled());
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST(BackgroundMenu, ClosedWithoutAChoiceItChangesNothing) {
    Panel h;
    h.desktop->dismissNextMenu();
    h.release(kRight);
    EXPECT_EQ(h.list(1).View(), ui::RWListView::LargeIcons);
    EXPECT_EQ(h.control->viewSortFlag("Process/1"), std::optional<bool>(false));
    EXPECT_FALSE(h.control->refreshing());
    EXPECT_EQ(h.control->TabStrip.selectedTab(), 2);
}

TEST(BackgroundMenu, OpenedOnTheOptionsTabItStillWorks) {
    Panel h;
    h.selectTab(1);
    h.host.clearCalls();
    h.desktop->chooseNext("mnuRefresh");
    h.list(1).raiseMouseUp(kRight, 0, 0, 0);
    EXPECT_EQ(h.lastMenu().menu, "mnuBackground");
    EXPECT_TRUE(h.control->refreshing());
    EXPECT_EQ(h.reporter->count(), 0u);
}

} // namespace
} // namespace kv380::test
