#include "SymbolMapFixture.h"

#include "platform/ui/MsgBoxStyle.h"

#include <filesystem>

namespace kv380::test {
namespace {

using SymbolMapFolders = SymbolMapFixture;

TEST_F(SymbolMapFolders, ClickingAFolderListsItsSymbolFilesByNameWithoutRegardToCase) {
    open();
    dialog.TreeView1.clickNode("101:Pumps");
    EXPECT_EQ(texts(dialog.RWListView2), (std::vector<std::string>{"centrifugal", "P1"}));
    EXPECT_EQ(dialog.RWListView2.item(1).key, path("Pumps\\centrifugal.sym"));

    dialog.TreeView1.clickNode("102:Valves");
    EXPECT_EQ(texts(dialog.RWListView2), (std::vector<std::string>{"Valve"}));
    EXPECT_EQ(dialog.RWListView2.item(1).key, path("Valves\\Valve.SYM"));

    // The root stands for the template: the list keeps its rows.
    dialog.TreeView1.clickNode("ROOT");
    EXPECT_EQ(texts(dialog.RWListView2), (std::vector<std::string>{"Valve"}));
}

TEST_F(SymbolMapFolders, AFolderGoneFromTheDiskListsNothing) {
    open();
    dialog.TreeView1.clickNode("101:Pumps");
    std::filesystem::remove_all(host.symbolRoot() + "/Valves/Gate");
    dialog.TreeView1.clickNode("104:Valves\\Gate");
    EXPECT_EQ(dialog.RWListView2.itemCount(), 0);
    EXPECT_EQ(reporter->count(), 0u);
}

TEST_F(SymbolMapFolders, AFolderNumberedInTheThousandsListsTheFolderAfterTheColon) {
    for (int i = 0; i < 950; ++i) {
        host.symbolStore()->addFolder("Many\\F" + std::to_string(1000 + i));
    }
    host.symbolStore()->addFile("Many\\F1949\\Last.sym");
    host.symbolLibrary()->answerDrawingTemplates(
        R"(<T><Template Name="PPID"><SymbolLibrary><F Name="Many" State="Shown" Path="Many\*"/>)"
        R"(</SymbolLibrary></Template></T>)");
    open();
    ASSERT_TRUE(dialog.TreeView1.hasNode("1051:Many\\F1949"));
    dialog.TreeView1.clickNode("1051:Many\\F1949");
    EXPECT_EQ(texts(dialog.RWListView2), (std::vector<std::string>{"Last"}));
}

TEST_F(SymbolMapFolders, AddingPutsTheSymbolAmongTheChosenOnesWithItsExactFileName) {
    open();
    pickSymbol("102:Valves", "Valve");
    dialog.Command1.raiseClick();
    EXPECT_EQ(texts(dialog.RWListView1), (std::vector<std::string>{"Valve.SYM"}));
    EXPECT_EQ(dialog.RWListView1.item(1).key, path("Valves\\Valve.SYM"));
    // The first symbol of an empty list becomes the default.
    EXPECT_EQ(selection(dialog.RWListView1), (std::vector<bool>{true}));

    dialog.RWListView2.raiseDblClick();
    pickSymbol("101:Pumps", "P1");
    dialog.Command1.raiseClick();
    EXPECT_EQ(texts(dialog.RWListView1), (std::vector<std::string>{"Valve.SYM", "Valve.SYM", "P1"}));
    EXPECT_EQ(selection(dialog.RWListView1), (std::vector<bool>{true, false, false}));
    std::string name;
    EXPECT_EQ(dialog.NumberOfSymbols(), 3);
    EXPECT_EQ(dialog.GetSymbol(2, name), 2);
    EXPECT_EQ(name, path("Pumps\\P1.sym"));
}

TEST_F(SymbolMapFolders, AddingWithoutASelectedSymbolDoesNothing) {
    open();
    dialog.TreeView1.clickNode("101:Pumps");
    dialog.Command1.raiseClick();
    EXPECT_EQ(dialog.RWListView1.itemCount(), 0);
    EXPECT_EQ(host.callCount("Documents.Add"), 0);
}

TEST_F(SymbolMapFolders, AnExpansionSymbolIntoAnotherClassAsksFirstAndCancelAddsNothing) {
    host.symbolBehaviour(path("Pumps\\P1.sym"), 11, "Pump");
    open();
    pickSymbol("101:Pumps", "P1");
    desktop->answerNext(ui::msgbox::Cancel);
    dialog.Command1.raiseClick();
    EXPECT_EQ(dialog.RWListView1.itemCount(), 0);
    EXPECT_EQ(dialog.NumberOfSymbols(), 0);
    ASSERT_EQ(desktop->messageBoxes().size(), 1u);
    const auto& box = desktop->messageBoxes()[0];
    EXPECT_EQ(
        box.prompt,
        "Expansion target class (Pump) is different from the Object class (PUMP)\r\nDo you want to add ?");
    EXPECT_EQ(box.style, ui::msgbox::OKCancel);
    EXPECT_EQ(box.title, "Warning");

    desktop->answerNext(ui::msgbox::OK);
    dialog.Command1.raiseClick();
    EXPECT_EQ(texts(dialog.RWListView1), (std::vector<std::string>{"P1"}));
}

TEST_F(SymbolMapFolders, OtherSymbolsAndExpansionsIntoTheObjectsClassAreAddedWithoutAQuestion) {
    host.symbolBehaviour(path("Pumps\\P1.sym"), 11, "PUMP");
    host.symbolBehaviour(path("Pumps\\centrifugal.sym"), 3, "Pump");
    open();
    pickSymbol("101:Pumps", "P1");
    dialog.Command1.raiseClick();
    pickSymbol("101:Pumps", "centrifugal");
    dialog.Command1.raiseClick();
    EXPECT_EQ(texts(dialog.RWListView1), (std::vector<std::string>{"P1", "centrifugal"}));
    EXPECT_TRUE(desktop->messageBoxes().empty());
    // Each symbol was read on a scratch drawing that was closed unsaved.
    ASSERT_EQ(host.application()->data().addedDocuments.size(), 2u);
    EXPECT_EQ(host.application()->data().addedDocuments[0]->data().closedWithSave, false);
}

TEST_F(SymbolMapFolders, ASymbolTheDrawingApplicationCannotReadIsReportedOnceAndNotAdded) {
    open();
    pickSymbol("101:Pumps", "P1");
    host.failOn("Documents.Add");
    dialog.Command1.raiseClick();
    EXPECT_EQ(dialog.RWListView1.itemCount(), 0);
    ASSERT_EQ(reporter->count(), 1u);
    EXPECT_EQ(reporter->reports()[0].procedure, "ctlSymbolLibrary::GetSymbolBehaviour()");
    EXPECT_EQ(reporter->reports()[0].number, FakeHostLedger::InjectedErrorNumber);
    EXPECT_EQ(reporter->reports()[0].source, "FakeHost");

    dialog.Command1.raiseClick();
    EXPECT_EQ(texts(dialog.RWListView1), (std::vector<std::string>{"P1"}));
    EXPECT_EQ(reporter->count(), 1u);
}

TEST_F(SymbolMapFolders, AFailingSymbolQuestionIsReportedUnderTheUsersActionAndTheDialogStaysOpen) {
    open();
    pickSymbol("101:Pumps", "P1");
    host.failOn("SymbolInfo.Behaviour");
    dialog.Command1.raiseClick();
    host.failOn("SymbolInfo.Behaviour");
    dialog.RWListView2.raiseDblClick();
    EXPECT_EQ(reporter->procedures(), (std::vector<std::string>{"frmSymbolMap::Command1_Click",
                                                                "frmSymbolMap::RWListView2_DblClick"}));
    EXPECT_EQ(reporter->reports()[0].number, FakeHostLedger::InjectedErrorNumber);
    EXPECT_EQ(reporter->reports()[0].style, 48);
    EXPECT_TRUE(dialog.Visible());
    EXPECT_EQ(dialog.RWListView1.itemCount(), 0);

    dialog.Command1.raiseClick();
    EXPECT_EQ(texts(dialog.RWListView1), (std::vector<std::string>{"P1"}));
}

TEST_F(SymbolMapFolders, AnyMouseOrKeyActionOnTheChosenSymbolsLeavesOneSelected) {
    stockPile.maps["47(PFD)PPID"] = "Pumps\\P1.sym;Pumps\\centrifugal.sym";
    open();
    dialog.RWListView1.raiseMouseUp(1, 0, 100, 100);
    EXPECT_EQ(selection(dialog.RWListView1), (std::vector<bool>{true, false}));

    dialog.RWListView1.setItemSelected(2, true);
    dialog.RWListView1.raiseKeyUp(40);
    EXPECT_EQ(selection(dialog.RWListView1), (std::vector<bool>{false, true}));

    dialog.RWListView1.deselectAll();
    dialog.RWListView1.raiseKeyUp(32, 2);
    EXPECT_EQ(selection(dialog.RWListView1), (std::vector<bool>{true, false}));
}

TEST_F(SymbolMapFolders, AMapsEmptyEntriesShowNoRows) {
    stockPile.maps["47(PFD)PPID"] = "Pumps\\P1.sym;";
    open();
    EXPECT_EQ(texts(dialog.RWListView1), (std::vector<std::string>{"P1"}));
    dialog.cmdOK.raiseClick();
    dialog.Save();
    EXPECT_EQ(stockPile.writes, (std::vector<std::string>{"47(PFD)PPID = Pumps\\P1.sym"}));
}

} // namespace
} // namespace kv380::test
