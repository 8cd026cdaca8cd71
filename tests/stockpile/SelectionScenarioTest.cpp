#include "support/StockpileHarness.h"

#include <gtest/gtest.h>

namespace kv380::test {
namespace {

TEST(Selection, OnTheOptionsTabTheSelectionIsEmpty) {
    StockpileHarness h(FakeHost::Builder().organisation("Process").view("Pumps"));
    h.attachAndOpen();
    const auto selection = h.control->SelectedObjects();
    ASSERT_NE(selection, nullptr);
    EXPECT_EQ(selection->Count(), 0);
}

TEST(Selection, OnPageTwoTheThirdViewTabGivesElementThreesSelectedObjects) {
    FakeHost::Builder builder = organisationWithViews("Big", 256);
    builder.object({.id = "1", .key = "A", .symbol = "A.sym"})
        .object({.id = "2", .key = "B", .symbol = "A.sym"})
        .object({.id = "3", .key = "C", .symbol = "A.sym"})
        .symbolFile("A.sym");
    // The objects belong to the last view, number 256: tab 3 on page 2.
    StockpileHarness h(builder);
    h.attachAndOpen();
    h.control->txtPageNo.setText("2");
    h.selectTab(3);
    ASSERT_EQ(h.list(2).itemCount(), 3);
    h.list(2).setItemSelected(1, true);
    h.list(2).setItemSelected(3, true);
    const auto selection = h.control->SelectedObjects();
    ASSERT_EQ(selection->Count(), 2);
    EXPECT_EQ(selection->Item(1), h.host.object("1"));
    EXPECT_EQ(selection->Item(2), h.host.object("3"));
    // Read again: refilled, not appended to.
    EXPECT_EQ(h.control->SelectedObjects()->Count(), 2);
}

TEST(Selection, TheDraggedObjectsAreTheSelectionWhileTheDragLasts) {
    StockpileHarness h(FakeHost::Builder()
                           .organisation("Process")
                           .view("Pumps")
                           .object({.id = "1", .key = "A", .symbol = "A.sym"})
                           .symbolFile("A.sym"));
    h.attachAndOpen();
    EXPECT_EQ(h.control->DragDropObject()->Count(), 0);
    h.selectTab(2);
    h.list(1).setItemSelected(1, true);
    h.list(1).raiseOLEStartDrag();
    EXPECT_TRUE(h.control->dragging());
    const auto dragged = h.control->DragDropObject();
    ASSERT_EQ(dragged->Count(), 1);
    EXPECT_EQ(dragged, h.control->SelectedObjects()); // the same collection
    h.list(1).raiseOLECompleteDrag(2);
    EXPECT_FALSE(h.control->dragging());
    EXPECT_EQ(h.control->DragDropObject()->Count(), 0);
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST(Selection, ListItemsWithoutAnObjectAreReportedBySelectionRefresh) {
    StockpileHarness h(FakeHost::Builder().organisation("Process").view("Pumps"));
    h.attachAndOpen();
    h.selectTab(2);
    h.list(1).addItem("k", "text", {}, std::make_shared<std::string>("not an object"));
    h.list(1).setItemSelected(1, true);
    const auto selection = h.control->SelectedObjects();
    ASSERT_EQ(h.reporter->count(), 1u);
    EXPECT_EQ(h.reporter->reports()[0].procedure, "SelectedObjects_Refresh");
    EXPECT_EQ(h.reporter->reports()[0].number, 13);
    ASSERT_NE(selection, nullptr);
    EXPECT_EQ(selection->Count(), 0);
}

TEST(Selection, ASymbolsBehaviourIsReadFromAScratchDrawingThatIsClosedUnsaved) {
    StockpileHarness h;
    h.attach();
    h.host.symbolBehaviour("/s/Lines/Pipe.sym", 3);
    const auto info = h.control->GetSymbolBehaviour("/s/Lines/Pipe.sym");
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->Behaviour(), 3);
    const auto& drawings = h.host.application()->data().addedDocuments;
    ASSERT_EQ(drawings.size(), 1u);
    EXPECT_FALSE(drawings[0]->data().visible);
    EXPECT_TRUE(drawings[0]->data().closed);
    EXPECT_EQ(drawings[0]->data().closedWithSave, false);
}

TEST(Selection, AFailedPlacementIsReportedAndStillClosesTheScratchDrawing) {
    StockpileHarness h;
    h.attach();
    h.host.failOn("Sheet.PlaceSymbol");
    EXPECT_EQ(h.control->GetSymbolBehaviour("/s/Lines/Pipe.sym"), nullptr);
    ASSERT_EQ(h.reporter->count(), 1u);
    EXPECT_EQ(h.reporter->reports()[0].procedure, "ctlSymbolLibrary::GetSymbolBehaviour()");
    EXPECT_EQ(h.reporter->reports()[0].source, "FakeHost");
    const auto& drawings = h.host.application()->data().addedDocuments;
    ASSERT_EQ(drawings.size(), 1u);
    EXPECT_TRUE(drawings[0]->data().closed);
    // And the next read works.
    h.host.symbolBehaviour("/s/A.sym", 11, "PFD");
    EXPECT_EQ(h.control->GetSymbolBehaviour("/s/A.sym")->Behaviour(), 11);
}

} // namespace
} // namespace kv380::test
