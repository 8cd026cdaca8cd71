// The host's questions about a dragged object: which symbol, which alternative next, map references and a
// connection's ends.
#include "support/StockpileHarness.h"

#include <gtest/gtest.h>

namespace kv380::test {
namespace {

// "All Objects" stands for PFD diagrams, which convert into PPID ones; the active drawing is a PPID one.
FakeHost::Builder plant() {
    return FakeHost::Builder()
        .organisation("Process")
        .view("All Objects", "PFD")
        .object(
            {.id = "1", .key = "P-101", .symbol = "Pumps\\Centrifugal.sym", .mapSymbol = "Blocks\\Pump.sym"})
        .object({.id = "2", .key = "V-201", .symbol = "Vessels\\Drum.sym", .mapReference = "3"})
        .object({.id = "3",
                 .key = "L-1",
                 .type = "Pipe",
                 .symbol = "Lines\\Process Line.sym",
                 .fromId = "1",
                 .toId = "2",
                 .mapReference = "R-3"})
        .object({.id = "1", .key = "P-101 copy", .symbol = "Pumps\\Gear.sym"})
        .view("Empty", "PFD")
        .symbolFile("Pumps\\Centrifugal.sym")
        .symbolFile("Pumps\\Gear.sym")
        .symbolFile("Vessels\\Drum.sym")
        .symbolFile("Lines\\Process Line.sym")
        .activeDocument("10", "PPID");
}

// The panel showing "All Objects", the call log and reports cleared.
struct Shown : StockpileHarness {
    explicit Shown(const FakeHost::Builder& builder = plant()) : StockpileHarness(builder) {
        attachAndOpen();
        selectTab(2);
        host.clearCalls();
        reporter->clear();
    }
    std::string path(const std::string& relative) const { return host.symbolPath(relative); }
    void select(std::initializer_list<int> items) {
        for (int i : items) {
            list(1).setItemSelected(i, true);
        }
        control->SelectedObjects();
    }
};

TEST(ObjectSymbol, TheFirstObjectWithTheIdentifierGivesItsOwnSymbol) {
    Shown h;
    std::string symbol = "unchanged";
    const auto found = h.control->GetObjectSymbol("1", symbol, false);
    EXPECT_EQ(found, h.host.objects("Process", "All Objects")->items()[0]);
    EXPECT_EQ(symbol, h.path("Pumps\\Centrifugal.sym"));
}

TEST(ObjectSymbol, TheMappedSymbolGetsTheUnitOperationsFolderForABlocksSymbol) {
    Shown h;
    std::string symbol;
    ASSERT_NE(h.control->GetObjectSymbol("1", symbol, true), nullptr);
    EXPECT_EQ(symbol, "Unit Operations\\Blocks\\Pump.sym");
    h.host.object("1")->data().mapSymbol = "blocks\\Pump.sym";
    h.control->GetObjectSymbol("1", symbol, true);
    EXPECT_EQ(symbol, "blocks\\Pump.sym");
}

TEST(ObjectSymbol, AMapReferenceMatchesOnlyWhenAskedToAndTheFirstMatchOfEitherKindWins) {
    Shown h;
    std::string symbol = "unchanged";
    EXPECT_EQ(h.control->GetObjectSymbol("R-3", symbol, false), nullptr);
    EXPECT_EQ(symbol, "unchanged");
    EXPECT_EQ(h.control->GetObjectSymbol("R-3", symbol, false, true), h.host.object("3"));
    EXPECT_EQ(symbol, h.path("Lines\\Process Line.sym"));
    // Object 2's map reference is "3": it comes before object 3 itself.
    EXPECT_EQ(h.control->GetObjectSymbol("3", symbol, false, true), h.host.object("2"));
    EXPECT_EQ(h.control->GetObjectSymbol("3", symbol, false, false), h.host.object("3"));
}

TEST(ObjectSymbol, WithoutAViewOrOnAHostErrorNothingIsFoundAndNothingReported) {
    Shown h;
    std::string symbol = "unchanged";
    h.host.failOn("PresentedObjects.Item", 2);
    EXPECT_EQ(h.control->GetObjectSymbol("2", symbol, false), nullptr);
    h.host.failOn("PresentedObject.MapSymbol");
    EXPECT_EQ(h.control->GetObjectSymbol("1", symbol, true), nullptr);
    EXPECT_EQ(symbol, "unchanged");
    h.selectTab(1); // the Options tab: no view
    EXPECT_EQ(h.control->GetObjectSymbol("1", symbol, false), nullptr);
    EXPECT_EQ(symbol, "unchanged");
    EXPECT_EQ(h.reporter->count(), 0u);
    // The host answers again: so does the control.
    h.selectTab(2);
    EXPECT_NE(h.control->GetObjectSymbol("1", symbol, false), nullptr);
}

TEST(MappedSymbol, TheStoredChoiceGivesItsFirstSymbolWithoutAskingTheLibrary) {
    Shown h;
    h.control->SetSymbolMap("1", "PFD", "PPID", "Pumps\\A.sym;Pumps\\B.sym");
    std::string id = "1";
    EXPECT_EQ(h.control->GetMappedSymbol("PPID", id), "Pumps\\A.sym");
    // A choice stored empty stands: no library default then.
    h.control->SetSymbolMap("2", "PFD", "PPID", "");
    id = "2";
    EXPECT_EQ(h.control->GetMappedSymbol("PPID", id), "");
    EXPECT_EQ(h.host.callCount("SymbolLibrary.GetSymbolMap"), 0);
}

TEST(MappedSymbol, WithoutAStoredChoiceTheLibrarysDefaultForTheObjectsSymbolIsAskedFor) {
    Shown h;
    h.host.symbolLibrary()->answerSymbolMap("PFD", "PPID", "Vessels\\Drum.sym", "Vessels\\Drum2.sym;X.sym");
    std::string id = "2";
    EXPECT_EQ(h.control->GetMappedSymbol("PPID", id), "Vessels\\Drum2.sym");
    EXPECT_EQ(h.host.symbolLibrary()->calls().back(), "GetSymbolMap(PFD, PPID, Vessels\\Drum.sym, true)");
}

TEST(MappedSymbol, WithoutAnIdentifierTheOneDraggedObjectIsMeantAndItsIdentifierHandedBack) {
    Shown h;
    h.host.symbolLibrary()->answerSymbolMap("PFD", "PPID", "Vessels\\Drum.sym", "Vessels\\Drum2.sym");
    h.list(1).setItemSelected(2, true);
    h.list(1).raiseOLEStartDrag();
    std::string id;
    EXPECT_EQ(h.control->GetMappedSymbol("PPID", id), "Vessels\\Drum2.sym");
    EXPECT_EQ(id, "2");
    h.list(1).raiseOLECompleteDrag(1);
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST(MappedSymbol, TwoDraggedObjectsNoDragOrAnyFailureGiveNothingWithoutAReport) {
    Shown h;
    std::string id;
    // No drag yet: the dragged objects are an empty collection.
    EXPECT_EQ(h.control->GetMappedSymbol("PPID", id), "");
    EXPECT_EQ(id, "");
    h.list(1).setItemSelected(1, true);
    h.list(1).setItemSelected(2, true);
    h.list(1).raiseOLEStartDrag();
    EXPECT_EQ(h.control->GetMappedSymbol("PPID", id), "");
    EXPECT_EQ(id, "");
    h.list(1).raiseOLECompleteDrag(1);

    h.host.symbolLibrary()->answerSymbolMap("PFD", "PPID", "Vessels\\Drum.sym", "Vessels\\Drum2.sym");
    id = "2";
    h.host.failOn("SymbolLibrary.GetSymbolMap");
    EXPECT_EQ(h.control->GetMappedSymbol("PPID", id), "");
    // A symbol outside the root, shorter than the root's path.
    h.host.object("2")->data().symbol = "D.sym";
    EXPECT_EQ(h.control->GetMappedSymbol("PPID", id), "");
    EXPECT_EQ(h.reporter->count(), 0u);
    h.host.object("2")->data().symbol = h.path("Vessels\\Drum.sym");
    EXPECT_EQ(h.control->GetMappedSymbol("PPID", id), "Vessels\\Drum2.sym");
}

TEST(NextObjectSymbol, TheSymbolAfterTheOldOneWrappingFromTheLastToTheFirst) {
    Shown h;
    h.control->SetSymbolMap("1", "PFD", "PPID", "A.sym;B.sym;C.sym");
    const std::string root = h.host.symbolRoot();
    EXPECT_EQ(h.control->GetNextObjectSymbol("1", h.path("B.sym")), root + "\\C.sym");
    EXPECT_EQ(h.control->GetNextObjectSymbol("1", h.path("C.sym")), root + "\\A.sym");
    EXPECT_EQ(h.control->GetNextObjectSymbol("1", h.path("D.sym")), "");
}

TEST(NextObjectSymbol, NoAlternativeGivesNothing) {
    Shown h;
    for (const char* mapping : {"A.sym", "A.sym;A.sym", "A.sym;A.sym;B.sym"}) {
        SCOPED_TRACE(mapping);
        h.control->SetSymbolMap("1", "PFD", "PPID", mapping);
        EXPECT_EQ(h.control->GetNextObjectSymbol("1", h.path("A.sym")), "");
    }
}

TEST(NextObjectSymbol, WithoutAStoredChoiceTheLibrarysListForTheObjectsOwnSymbolIsCycled) {
    Shown h;
    h.host.symbolLibrary()->answerSymbolMap("PFD", "PPID", "Vessels\\Drum.sym", "Vessels\\Drum.sym;X.sym");
    EXPECT_EQ(h.control->GetNextObjectSymbol("2", h.path("Vessels\\Drum.sym")),
              h.host.symbolRoot() + "\\X.sym");
    EXPECT_EQ(h.host.symbolLibrary()->calls().back(), "GetSymbolMap(PFD, PPID, Vessels\\Drum.sym, false)");
}

TEST(NextObjectSymbol, AnOldSymbolShorterThanTheRootReachesTheHostAndChangesNothing) {
    Shown h;
    h.control->SetSymbolMap("1", "PFD", "PPID", "A.sym;B.sym");
    try {
        h.control->GetNextObjectSymbol("1", "A.sym");
        ADD_FAILURE() << "no error";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::InvalidProcedureCall);
    }
    EXPECT_EQ(h.control->GetSymbolMap("1", "PFD", "PPID"), "A.sym;B.sym");
    EXPECT_EQ(h.reporter->count(), 0u);
    // A failing host reaches the host too.
    h.host.failOn("DocumentMap.FindDocument");
    EXPECT_THROW(h.control->GetNextObjectSymbol("1", h.path("A.sym")), AutomationError);
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST(SelectedObjectQueries, OneSelectedObjectGivesItsMapSymbolAndMapReference) {
    Shown h;
    h.select({1});
    std::string symbol = "unchanged";
    EXPECT_TRUE(h.control->GetSimObjectMapSymbol(symbol));
    EXPECT_EQ(symbol, "Unit Operations\\Blocks\\Pump.sym");
    EXPECT_EQ(h.control->GetSimObjectMapReference(), "");
    h.list(1).deselectAll();
    h.select({3});
    symbol = "unchanged";
    // No map symbol on it.
    EXPECT_FALSE(h.control->GetSimObjectMapSymbol(symbol));
    EXPECT_EQ(symbol, "unchanged");
    EXPECT_EQ(h.control->GetSimObjectMapReference(), "R-3");
}

TEST(SelectedObjectQueries, TwoSelectedObjectsGiveNothing) {
    Shown h;
    h.select({1, 2});
    std::string symbol = "unchanged";
    EXPECT_FALSE(h.control->GetSimObjectMapSymbol(symbol));
    EXPECT_EQ(symbol, "unchanged");
    EXPECT_EQ(h.control->GetSimObjectMapReference(), "");
}

TEST(ListedObjectQueries, MapReferencesAreReadAndWrittenOnTheFirstListedObject) {
    Shown h;
    EXPECT_EQ(h.control->GetObjectMapReference("3"), "R-3");
    h.control->SetObjectMapReference("1", "R-1");
    EXPECT_EQ(h.host.objects("Process", "All Objects")->items()[0]->data().mapReference, "R-1");
    EXPECT_EQ(h.host.objects("Process", "All Objects")->items()[3]->data().mapReference, "");
    EXPECT_EQ(h.control->GetObjectMapReference("99"), "");
    h.control->SetObjectMapReference("99", "R-99");
    EXPECT_EQ(h.host.callCount("PresentedObject.setMapReference"), 1);
}

TEST(ListedObjectQueries, AConnectionIsDescribedByTheNamesOfItsEnds) {
    Shown h;
    EXPECT_EQ(h.control->GetConnectionInfo("3", ""), "L-1 From P-101 To V-201");
    // Dropped onto one of its own ends: only the other end is named.
    EXPECT_EQ(h.control->GetConnectionInfo("3", "1"), "L-1 To V-201");
    EXPECT_EQ(h.control->GetConnectionInfo("1", ""), "P-101");
    EXPECT_EQ(h.control->GetConnectionInfo("99", ""), "");
    // An end that is not listed has no name.
    h.host.object("3")->data().toId = "77";
    EXPECT_EQ(h.control->GetConnectionInfo("3", "1"), "L-1 To ");
}

TEST(ListedObjectQueries, WithoutAViewNothingIsSearchedAndNothingChanges) {
    Shown h;
    h.selectTab(1);
    h.host.clearCalls();
    EXPECT_EQ(h.control->GetObjectMapReference("3"), "");
    EXPECT_EQ(h.control->GetConnectionInfo("3", ""), "");
    h.control->SetObjectMapReference("3", "changed");
    EXPECT_EQ(h.host.object("3")->data().mapReference, "R-3");
    EXPECT_EQ(h.host.callCount("PresentedObject.ObjectId"), 0);
}

TEST(ListedObjectQueries, AHostErrorReachesTheHost) {
    Shown h;
    h.host.failOn("PresentedObject.ObjectKey");
    EXPECT_THROW(h.control->GetConnectionInfo("3", ""), AutomationError);
    EXPECT_EQ(h.reporter->count(), 0u);
    EXPECT_EQ(h.control->GetConnectionInfo("3", ""), "L-1 From P-101 To V-201");
}

} // namespace
} // namespace kv380::test
