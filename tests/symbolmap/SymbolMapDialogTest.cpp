#include "SymbolMapFixture.h"

#include "platform/ui/MsgBoxStyle.h"

namespace kv380::test {
namespace {

using SymbolMapDialog = SymbolMapFixture;

TEST_F(SymbolMapDialog, EachTargetsMapIsTheStockPilesOrElseTheLibrarysDefaultForTheObjectsSymbol) {
    stockPile.maps["47(PFD)PPID"] = "Pumps\\centrifugal.sym";
    host.symbolLibrary()->answerSymbolMap("PFD", "Sim", "Pumps\\P1.sym", "Blocks\\Tank.sym;Blocks\\B.sym");
    host.symbolLibrary()->answerSymbolMap("PFD", "PPID", "Pumps\\P1.sym", "Pumps\\unused.sym");
    initialise();
    EXPECT_EQ(dialog.symbolRoot(), host.symbolRoot());
    EXPECT_EQ(dialog.targets(), (std::vector<std::string>{"PPID", "Sim"}));
    EXPECT_EQ(dialog.targetMaps(),
              (std::vector<std::string>{"Pumps\\centrifugal.sym", "Blocks\\Tank.sym;Blocks\\B.sym"}));
    EXPECT_EQ(host.symbolLibrary()->calls(),
              (std::vector<std::string>{"GetTemplateConversionTargets(PFD)",
                                        "GetSymbolMap(PFD, Sim, Pumps\\P1.sym, false)", "DrawingTemplates"}));
    EXPECT_FALSE(dialog.bOKHit());
}

TEST_F(SymbolMapDialog, DoubledSeparatorsInTheObjectsSymbolCollapseBeforeItIsMadeRelative) {
    dialog.Initialise(host.dwgApp(), "47", "PFD", host.symbolRoot() + "\\\\Pumps\\\\P1.sym", "PUMP");
    EXPECT_EQ(host.symbolLibrary()->calls().at(1), "GetSymbolMap(PFD, PPID, Pumps\\P1.sym, false)");
}

TEST_F(SymbolMapDialog, LoadingShowsOneTabPerTargetTheFirstTargetsFoldersAndItsChosenSymbols) {
    stockPile.maps["47(PFD)PPID"] = "Pumps\\P1.sym;Valves\\Valve.SYM";
    open();
    EXPECT_TRUE(dialog.Visible());
    EXPECT_EQ(dialog.Caption(), "Select Symbol for Diagram Conversion from PFD");
    ASSERT_EQ(dialog.TabStrip1.tabCount(), 2);
    EXPECT_EQ(dialog.TabStrip1.tab(1).caption, "PPID");
    EXPECT_EQ(dialog.TabStrip1.tab(2).caption, "Sim");
    EXPECT_EQ(dialog.TabStrip1.selectedTab(), 1);
    EXPECT_EQ(dialog.currentTarget(), "PPID");
    EXPECT_EQ(dialog.TreeView1.roots().size(), 1u);
    EXPECT_EQ(dialog.TreeView1.node("ROOT").text, "PPID");
    EXPECT_EQ(dialog.TreeView1.node("102:Valves").image, "FolderClosed");
    EXPECT_EQ(dialog.TreeView1.node("102:Valves").selectedImage, "FolderOpen");
    EXPECT_TRUE(dialog.TreeView1.hasNode("103:Valves\\Ball"));
    EXPECT_EQ(texts(dialog.RWListView1), (std::vector<std::string>{"P1", "Valve.SYM"}));
    EXPECT_EQ(dialog.RWListView1.item(1).key, path("Pumps\\P1.sym"));
    EXPECT_EQ(selection(dialog.RWListView1), (std::vector<bool>{false, false}));
    EXPECT_EQ(dialog.RWListView2.itemCount(), 0);
}

TEST_F(SymbolMapDialog, AClassWithoutConversionTargetsCannotBeOpened) {
    host.symbolLibrary()->answerConversionTargets("PFD", "");
    initialise();
    EXPECT_TRUE(dialog.targets().empty());
    try {
        dialog.Show(ui::Form::Modal);
        FAIL() << "the dialog opened without a target";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::SubscriptOutOfRange);
    }
    EXPECT_FALSE(dialog.Visible());
    EXPECT_TRUE(desktop->modalShows().empty());
    EXPECT_EQ(reporter->count(), 0u);
}

TEST_F(SymbolMapDialog, ClickingTheCurrentTabNeitherStoresTheListNorRebuildsTheTree) {
    stockPile.maps["47(PFD)PPID"] = "Pumps\\P1.sym;Valves\\Valve.SYM";
    open();
    dialog.TreeView1.clickNode("101:Pumps");
    dialog.RWListView1.setItemSelected(2, true);
    dialog.TabStrip1.selectTab(1);
    EXPECT_EQ(dialog.targetMaps().at(0), "Pumps\\P1.sym;Valves\\Valve.SYM");
    EXPECT_EQ(dialog.TreeView1.selectedKey(), "101:Pumps");
    EXPECT_EQ(texts(dialog.RWListView2), (std::vector<std::string>{"centrifugal", "P1"}));
    EXPECT_EQ(selection(dialog.RWListView1), (std::vector<bool>{false, true}));
}

TEST_F(SymbolMapDialog, LeavingATabAndComingBackShowsItsSymbolsWithTheSelectedOneFirst) {
    stockPile.maps["47(PFD)PPID"] = "Pumps\\P1.sym;Pumps\\centrifugal.sym;Valves\\Valve.SYM";
    stockPile.maps["47(PFD)Sim"] = "Blocks\\Tank.sym";
    open();
    dialog.TreeView1.clickNode("101:Pumps");
    dialog.RWListView1.setItemSelected(2, true);

    dialog.TabStrip1.selectTab(2);
    EXPECT_EQ(dialog.currentTarget(), "Sim");
    EXPECT_EQ(dialog.targetMaps().at(0), "Pumps\\centrifugal.sym;Pumps\\P1.sym;Valves\\Valve.SYM");
    EXPECT_EQ(texts(dialog.RWListView1), (std::vector<std::string>{"Tank"}));
    EXPECT_EQ(dialog.TreeView1.node("ROOT").text, "Sim");
    EXPECT_EQ(dialog.RWListView2.itemCount(), 0);

    dialog.TabStrip1.selectTab(1);
    EXPECT_EQ(texts(dialog.RWListView1), (std::vector<std::string>{"centrifugal", "P1", "Valve.SYM"}));
    EXPECT_EQ(selection(dialog.RWListView1), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(dialog.targetMaps().at(1), "Blocks\\Tank.sym");
    EXPECT_TRUE(stockPile.writes.empty());
}

TEST_F(SymbolMapDialog, OkEnterAndADoubleClickOnTheChosenSymbolsConfirm) {
    open();
    dialog.cmdOK.raiseClick();
    EXPECT_TRUE(dialog.bOKHit());
    EXPECT_FALSE(dialog.Visible());

    for (auto confirm : {+[](frmSymbolMap& d) { EXPECT_TRUE(d.pressEnter()); },
                         +[](frmSymbolMap& d) { d.RWListView1.raiseDblClick(); }}) {
        frmSymbolMap again;
        again.setStockPile(&stockPile);
        again.Initialise(host.dwgApp(), "47", "PFD", path("Pumps\\P1.sym"), "PUMP");
        again.Show();
        confirm(again);
        EXPECT_TRUE(again.bOKHit());
        EXPECT_FALSE(again.Visible());
    }
}

TEST_F(SymbolMapDialog, CancelEscapeAndTheCloseBoxLeaveTheDialogUnconfirmed) {
    open();
    dialog.cmdCancel.raiseClick();
    EXPECT_FALSE(dialog.Visible());
    EXPECT_FALSE(dialog.bOKHit());

    dialog.Show();
    EXPECT_TRUE(dialog.pressEscape());
    EXPECT_FALSE(dialog.Visible());

    dialog.Show();
    EXPECT_TRUE(dialog.closeByUser());
    EXPECT_FALSE(dialog.Loaded());
    EXPECT_FALSE(dialog.bOKHit());
    EXPECT_EQ(reporter->count(), 0u);
}

TEST_F(SymbolMapDialog, TheCallersModalShowReturnsConfirmedAndSaveWritesWhatTheUserChose) {
    stockPile.maps["47(PFD)Sim"] = "Blocks\\Tank.sym";
    initialise();
    desktop->onNextModal([&](ui::Form&) {
        pickSymbol("103:Valves\\Ball", "B1");
        dialog.RWListView2.raiseDblClick();
        pickSymbol("101:Pumps", "centrifugal");
        dialog.Command1.raiseClick();
        dialog.cmdOK.raiseClick();
    });
    dialog.Show(ui::Form::Modal);
    ASSERT_EQ(desktop->modalShows().size(), 1u);
    EXPECT_EQ(desktop->modalShows()[0].caption, "Select Symbol for Diagram Conversion from PFD");
    ASSERT_TRUE(dialog.bOKHit());
    EXPECT_TRUE(stockPile.writes.empty()); // nothing is written while the dialog is open
    dialog.Save();
    EXPECT_EQ(stockPile.writes,
              (std::vector<std::string>{"47(PFD)PPID = Valves\\Ball\\B1.sym;Pumps\\centrifugal.sym",
                                        "47(PFD)Sim = Blocks\\Tank.sym"}));
}

TEST_F(SymbolMapDialog, SaveSkipsTargetsLeftEmptyAndRemovesNothing) {
    stockPile.maps["47(PFD)PPID"] = "Pumps\\P1.sym";
    open();
    dialog.TabStrip1.selectTab(2);
    dialog.cmdOK.raiseClick();
    dialog.Save();
    EXPECT_EQ(stockPile.writes, (std::vector<std::string>{"47(PFD)PPID = Pumps\\P1.sym"}));
}

TEST_F(SymbolMapDialog, SaveCountsTheListOnScreenWithTheSelectedRowFirst) {
    stockPile.maps["47(PFD)PPID"] = "Pumps\\P1.sym;Pumps\\centrifugal.sym";
    open();
    dialog.RWListView1.setItemSelected(2, true);
    dialog.cmdOK.raiseClick();
    dialog.Save();
    EXPECT_EQ(stockPile.writes,
              (std::vector<std::string>{"47(PFD)PPID = Pumps\\centrifugal.sym;Pumps\\P1.sym"}));
}

TEST_F(SymbolMapDialog, TheAddedSymbolRecordCountsSelectedRowsAndGrowsByFive) {
    open();
    pickSymbol("101:Pumps", "P1");
    dialog.Command1.raiseClick();
    pickSymbol("101:Pumps", "centrifugal");
    dialog.Command1.raiseClick();
    std::string name;
    EXPECT_EQ(dialog.GetSymbol(0, name), 2); // not marked yet
    EXPECT_EQ(dialog.NumberOfSymbols(), 2);
    EXPECT_EQ(dialog.GetSymbol(0, name), 3); // the first symbol added is the default
    EXPECT_EQ(name, path("Pumps\\P1.sym"));
    EXPECT_EQ(dialog.GetSymbol(1, name), 2);
    EXPECT_EQ(dialog.GetSymbol(2, name), -1);

    // A second row of the same symbol marks the first entry again, as that row stands.
    pickSymbol("101:Pumps", "P1");
    dialog.Command1.raiseClick();
    EXPECT_EQ(dialog.NumberOfSymbols(), 3);
    EXPECT_EQ(dialog.GetSymbol(0, name), 2);
    EXPECT_EQ(dialog.GetSymbol(2, name), 2);

    for (int i = 0; i < 4; ++i) {
        dialog.AddSymbol("extra" + std::to_string(i), 0);
    }
    EXPECT_EQ(dialog.symbolCapacity(), 10);
    EXPECT_EQ(dialog.GetSymbol(6, name), 0);
    EXPECT_EQ(name, "extra3");
    EXPECT_EQ(dialog.GetSymbol(7, name), -1);
}

TEST_F(SymbolMapDialog, InitialisingAndSavingLeaveTheirFailuresToTheCaller) {
    host.failOn("SymbolLibrary.GetTemplateConversionTargets");
    EXPECT_THROW(initialise(), AutomationError);

    host.application()->removeBar("Symbol Library");
    try {
        initialise();
        FAIL() << "no Symbol Library bar";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::ObjectNotSet);
    }

    try {
        dialog.Initialise(host.dwgApp(), "47", "PFD", host.symbolRoot(), "PUMP");
        FAIL() << "a symbol path no longer than the root";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::InvalidProcedureCall);
    }
    EXPECT_EQ(reporter->count(), 0u);
}

TEST_F(SymbolMapDialog, ASaveTheStockPileRefusesReachesTheCaller) {
    stockPile.maps["47(PFD)PPID"] = "Pumps\\P1.sym";
    open();
    dialog.cmdOK.raiseClick();
    stockPile.failure = AutomationError(1004, "Stock pile", "refused");
    EXPECT_THROW(dialog.Save(), AutomationError);
    EXPECT_EQ(reporter->count(), 0u);
}

TEST_F(SymbolMapDialog, OnAJapaneseSystemTheDialogsTextsGetTheJapaneseCharacterSet) {
    desktop->setSystemDefaultLCID(1041);
    open();
    EXPECT_EQ(dialog.RWListView1.Font().charset, 128);
    EXPECT_EQ(dialog.cmdOK.Font().charset, 128);
}

} // namespace
} // namespace kv380::test
