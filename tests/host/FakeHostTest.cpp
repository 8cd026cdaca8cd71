#include "support/FakeHost.h"
#include "host/HostServices.h"
#include "host/IKVSymbolInfo.h"
#include "platform/fs/Folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kv380::test {
namespace {

using testing::ElementsAre;

FakeHost onePump() {
    return FakeHost::Builder()
        .organisation("By Plot Area")
        .view("All Objects", "PFD")
        .object({.id = "47", .key = "P-101", .symbol = "Pumps\\Centrifugal.sym"})
        .build();
}

TEST(FakeHost, FailOnCountsCallsFromNowAndFailsOnlyThatOne) {
    FakeHost host = onePump();
    auto object = host.object("47");
    object->ObjectKey();
    host.failOn("PresentedObject.ObjectKey", 2);
    EXPECT_NO_THROW(object->ObjectKey());
    try {
        object->ObjectKey();
        ADD_FAILURE() << "the second call should fail";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.source(), "FakeHost");
        EXPECT_EQ(e.number(), FakeHostLedger::InjectedErrorNumber);
        EXPECT_EQ(e.description(), "injected failure of PresentedObject.ObjectKey");
    }
    EXPECT_NO_THROW(object->ObjectKey());
    EXPECT_EQ(host.callCount("PresentedObject.ObjectKey"), 4);

    host.failAlways("PresentedObject.Symbol", AutomationError(53, "Disk", "gone"));
    EXPECT_THROW(object->Symbol(), AutomationError);
    EXPECT_THROW(object->Symbol(), AutomationError);
    host.clearFailures();
    EXPECT_EQ(object->Symbol(), "Pumps\\Centrifugal.sym");
}

TEST(FakeHost, AQuietHostNeitherLogsNorFailsUntilItSpeaksAgain) {
    FakeHost host = onePump();
    auto object = host.object("47");
    host.failAlways("PresentedObject.ObjectKey");
    host.ledger()->setQuiet(true);
    EXPECT_EQ(object->ObjectKey(), "P-101");
    EXPECT_EQ(object->Symbol(), "Pumps\\Centrifugal.sym");
    EXPECT_TRUE(host.calls().empty());
    host.ledger()->setQuiet(false);
    EXPECT_THROW(object->ObjectKey(), AutomationError);
    EXPECT_THAT(host.calls(), ElementsAre("PresentedObject.ObjectKey"));
}

TEST(FakeHost, LoadsWaitForTheTestAndCompleteInOrder) {
    FakeHost host = onePump();
    host.organisations()->Load();
    host.views("By Plot Area")->Load();
    host.objects("By Plot Area", "All Objects")->Load(1);
    EXPECT_THAT(host.pendingLoads(), ElementsAre("Organisations", "Views(By Plot Area)",
                                                 "PresentedObjects(By Plot Area/All Objects)"));
    EXPECT_TRUE(host.completeNextLoad());
    EXPECT_EQ(host.completeLoads(), 2);
    EXPECT_FALSE(host.completeNextLoad());
    EXPECT_THAT(host.objects("By Plot Area", "All Objects")->loadRequests(), ElementsAre(1));
}

TEST(FakeHost, TheSymbolLibraryAnswersItsScriptAndLogsTheArguments) {
    FakeHost host;
    auto library = host.symbolLibrary();
    library->answerSymbolMap("PFD", "PPID", "Pumps\\A.sym", "Pumps\\B.sym;Pumps\\C.sym");
    EXPECT_EQ(library->GetSymbolMap("PFD", "PPID", "Pumps\\A.sym", false), "Pumps\\B.sym;Pumps\\C.sym");
    EXPECT_EQ(library->GetSymbolMap("PFD", "PPID", "Pumps\\A.sym", true), "Pumps\\B.sym");
    EXPECT_EQ(library->GetSymbolMap("PFD", "Sim", "Pumps\\A.sym", true), "");
    EXPECT_THAT(library->calls(), ElementsAre("GetSymbolMap(PFD, PPID, Pumps\\A.sym, false)",
                                              "GetSymbolMap(PFD, PPID, Pumps\\A.sym, true)",
                                              "GetSymbolMap(PFD, Sim, Pumps\\A.sym, true)"));
}

TEST(FakeHost, APlacedSymbolReadsWithItsScriptedBehaviour) {
    FakeHost host;
    host.symbolBehaviour(host.symbolPath("Lines\\Pipe.sym"), 3);
    auto drawing = deref(host.application()->Documents()).Add(false);
    auto placed = deref(drawing->Sheet("tmp")).PlaceSymbol(0, host.symbolPath("Lines\\Pipe.sym"), 0.0, 0.0);
    auto info = createSymbolInfo();
    info->ReadSymbol(placed);
    EXPECT_EQ(info->Behaviour(), 3);
    drawing->Close(false);

    const auto& scratch = host.application()->data().addedDocuments.at(0)->data();
    EXPECT_FALSE(scratch.visible);
    EXPECT_EQ(scratch.closedWithSave, false);
    ASSERT_EQ(scratch.placements.size(), 1u);
    EXPECT_EQ(scratch.placements[0].sheet, "tmp");
}

TEST(FakeHost, DeletedObjectsLeaveEveryView) {
    FakeHost host = FakeHost::Builder()
                        .organisation("By Plot Area")
                        .view("Area 1")
                        .object({.id = "47"})
                        .object({.id = "48"})
                        .organisation("By System")
                        .view("Cooling")
                        .object({.id = "47"})
                        .build();
    auto deleter = createObjectDeleter();
    deleter->DeleteObjects(host.workspace(), {47});
    EXPECT_EQ(host.objects("By Plot Area", "Area 1")->items().size(), 1u);
    EXPECT_TRUE(host.objects("By System", "Cooling")->items().empty());
    ASSERT_EQ(host.services().deleteRequests.size(), 1u);
    EXPECT_THAT(host.services().deleteRequests[0].ids, ElementsAre(47));
}

TEST(FakeHost, TheSymbolStoreIsARealFolder) {
    FakeHost host = FakeHost::Builder().symbolFile("Pumps\\Centrifugal.sym").build();
    auto folder = host.symbolStore()->RootFolder();
    auto pumps = folder->SubFolders();
    ASSERT_EQ(pumps.size(), 1u);
    EXPECT_EQ(deref(pumps[0]->Files("Centrifugal.sym")).Path(), host.symbolPath("Pumps\\Centrifugal.sym"));
}

} // namespace
} // namespace kv380::test
