// The context menu's "Symbol Map..." command driving the real Symbol Map dialog.
#include "menu/frmPopUpMenu.h"
#include "symbolmap/SymbolMapFixture.h"

#include <gtest/gtest.h>

namespace kv380::test {
namespace {

// The menu form as the stock pile fills it for one selected pump (47) drawn with Pumps\P1.sym on a PFD view.
struct SymbolMapCommand : ::testing::Test {
    SymbolMapCommand() {
        host.symbolLibrary()->answerConversionTargets("PFD", "PPID;Sim");
        host.symbolLibrary()->answerDrawingTemplates(symbolMapTemplates());
        auto selection = std::make_shared<ObjectCollection>();
        selection->Add(host.object("47"));
        form.setSelection(selection);
        form.setIKVDwgApp(host.dwgApp());
        form.setWorkSpace(host.workspace());
        form.setStockPile(&stockPile);
        form.setServerId("47");
    }

    ReporterScope reporter;
    DesktopScope desktop;
    FakeHost host = symbolMapHost()
                        .organisation("Process")
                        .view("All Objects", "PFD")
                        .object({.id = "47", .key = "P-47", .type = "PUMP", .symbol = "Pumps\\P1.sym"})
                        .build();
    RecordingStockPile stockPile;
    frmPopUpMenu form;
};

// The user picks a symbol of a folder in the open dialog and adds it.
void addSymbol(frmSymbolMap& dialog, const std::string& nodeKey, const std::string& text) {
    dialog.TreeView1.clickNode(nodeKey);
    for (int i = 1; i <= dialog.RWListView2.itemCount(); ++i) {
        if (dialog.RWListView2.item(i).text == text) {
            dialog.RWListView2.setItemSelected(i, true);
            dialog.Command1.raiseClick();
            return;
        }
    }
    ADD_FAILURE() << "no symbol " << text << " in " << nodeKey;
}

TEST_F(SymbolMapCommand, ConfirmedChoicesAreWrittenIntoTheStockPilesSymbolMap) {
    host.object("47")->data().symbol = host.symbolPath("Pumps\\P1.sym"); // absolute, as the list has made it
    desktop->onNextModal([&](ui::Form& shown) {
        auto& dialog = dynamic_cast<frmSymbolMap&>(shown);
        addSymbol(dialog, "101:Pumps", "centrifugal");
        dialog.cmdOK.raiseClick();
    });
    form.mnuSymbolMap.raiseClick();

    ASSERT_EQ(desktop->modalShows().size(), 1u);
    EXPECT_EQ(desktop->modalShows()[0].caption, "Select Symbol for Diagram Conversion from PFD");
    EXPECT_EQ(desktop->modalShows()[0].owner, "frmPopUpMenu");
    EXPECT_EQ(stockPile.writes, std::vector<std::string>{"47(PFD)PPID = Pumps\\centrifugal.sym"});
    EXPECT_EQ(reporter->count(), 0u);
}

TEST_F(SymbolMapCommand, CancelledChoicesAreNotWritten) {
    host.object("47")->data().symbol = host.symbolPath("Pumps\\P1.sym");
    desktop->onNextModal([&](ui::Form& shown) {
        auto& dialog = dynamic_cast<frmSymbolMap&>(shown);
        addSymbol(dialog, "101:Pumps", "centrifugal");
        dialog.cmdCancel.raiseClick();
    });
    form.mnuSymbolMap.raiseClick();
    EXPECT_EQ(desktop->modalShows().size(), 1u);
    EXPECT_TRUE(stockPile.writes.empty());
}

TEST_F(SymbolMapCommand, ADialogThatCannotOpenIsReportedOnceAndShowsNothing) {
    host.object("47")->data().symbol = host.symbolPath("Pumps\\P1.sym");
    host.failOn("SymbolStore.RootPath");
    form.mnuSymbolMap.raiseClick();
    // No conversion targets for the class: the dialog has no first tab to show.
    host.symbolLibrary()->answerConversionTargets("PFD", "");
    form.mnuSymbolMap.raiseClick();
    // An object whose symbol is shorter than the symbol root cannot be made relative.
    host.symbolLibrary()->answerConversionTargets("PFD", "PPID");
    host.object("47")->data().symbol = "x";
    form.mnuSymbolMap.raiseClick();

    EXPECT_EQ(reporter->procedures(),
              (std::vector<std::string>{"mnuSymbolMap_Click", "mnuSymbolMap_Click", "mnuSymbolMap_Click"}));
    EXPECT_EQ(reporter->reports()[0].number, FakeHost::injectedError("SymbolStore.RootPath").number());
    EXPECT_EQ(reporter->reports()[0].source, "FakeHost"); // the error's own source
    EXPECT_TRUE(desktop->modalShows().empty());
    EXPECT_TRUE(stockPile.writes.empty());
}

} // namespace
} // namespace kv380::test
