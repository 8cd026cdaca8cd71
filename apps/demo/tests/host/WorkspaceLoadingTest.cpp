#include "DemoHostFixture.h"
#include "model/workspace/Workspace.h"

#include <gmock/gmock.h>

namespace kv380::demo::test {
namespace {

using testing::ElementsAre;
using testing::IsSupersetOf;

std::vector<std::string> names(IKVOrganisations& organisations) {
    std::vector<std::string> out;
    for (int32_t i = 1; i <= organisations.Count(); ++i) {
        out.push_back(organisations.Item(i)->Name());
    }
    return out;
}

std::vector<std::string> tags(IKVPresentedObjects& objects) {
    std::vector<std::string> out;
    for (int32_t i = 1; i <= objects.Count(); ++i) {
        out.push_back(objects.Item(i)->ObjectKey());
    }
    return out;
}

TEST_F(DemoHostTest, TheWorkspaceOpensAfterStartUpThroughTheScheduler) {
    auto workspace = host->dwgApp()->WorkSpace();
    CompletionCounter events(host->dwgApp()->WorkspaceEventSource());
    EXPECT_EQ(workspace->Status(), 0);

    host->openWorkspaceLater();
    EXPECT_EQ(workspace->Status(), 0);
    EXPECT_TRUE(events.events.empty());
    scheduler->runUntilIdle();
    EXPECT_EQ(workspace->Status(), 3);
    EXPECT_THAT(events.events, ElementsAre(3));

    loadedOrganisations();
    host->closeWorkspaceLater();
    scheduler->runUntilIdle();
    EXPECT_EQ(workspace->Status(), 0);
    EXPECT_EQ(host->workspace()->Organisations()->Count(), 0);
    EXPECT_THAT(events.events, ElementsAre(3, 2));
}

TEST_F(DemoHostTest, LoadsCompleteOnlyWhenTheSchedulerRuns) {
    auto organisations = host->workspace()->Organisations();
    CompletionCounter done(std::dynamic_pointer_cast<IKVEventSource>(organisations));
    organisations->Load();
    EXPECT_EQ(organisations->Count(), 0);
    EXPECT_TRUE(done.events.empty());
    EXPECT_EQ(scheduler->pendingTasks(), 1u);

    scheduler->processPending();
    EXPECT_THAT(done.events, ElementsAre(1));
    EXPECT_THAT(names(*organisations), ElementsAre("By System", "By Plot Area", "By Work Pack"));
}

TEST_F(DemoHostTest, TheSampleViewsCarryTheirNamesAndClassesAndOneOrganisationNeedsSeveralPages) {
    auto views = loadedViews("By System");
    ASSERT_GE(views->Count(), 2);
    EXPECT_EQ(views->Item(1)->Name(), "All Objects");
    EXPECT_EQ(views->Item(1)->DiagramClass(), "PFD");
    EXPECT_EQ(views->Item(2)->Name(), "All UO Objects");
    EXPECT_EQ(views->Item(2)->DiagramClass(), "Sim");

    auto workPacks = loadedViews("By Work Pack");
    EXPECT_EQ(workPacks->Count(), 320);
    EXPECT_EQ(workPacks->Item(320)->Name(), "WP-320");
    EXPECT_EQ(workPacks->Item(320)->Id(), "1320");
}

TEST_F(DemoHostTest, UnloadDropsTheViewsAndAReloadHandsOutTheSameViewObjects) {
    auto views = loadedViews("By System");
    auto first = views->Item(1);
    views->Unload();
    EXPECT_EQ(views->Count(), 0);
    views->Load();
    scheduler->runUntilIdle();
    EXPECT_EQ(views->Item(1), first);
}

TEST_F(DemoHostTest, AllObjectsPresentsEveryKindOfObjectWithItsProperties) {
    auto objects = loadedObjects(view("By System", "All Objects"));
    // Every object but the two whose symbols are lost: those are in "Legacy Import" only.
    EXPECT_EQ(objects->Count(), 30);
    EXPECT_EQ(object(objects, "P-104"), nullptr);
    EXPECT_EQ(object(objects, "XV-407"), nullptr);
    EXPECT_THAT(tags(*loadedObjects(view("By System", "Legacy Import"))),
                testing::UnorderedElementsAre("P-104", "E-301", "XV-407"));

    auto pipe = object(objects, "L-1001");
    ASSERT_NE(pipe, nullptr);
    EXPECT_EQ(pipe->ObjectId(), "201");
    EXPECT_EQ(pipe->ObjectType(), "Pipe");
    EXPECT_EQ(pipe->FromObjectID(), "105");
    EXPECT_EQ(pipe->ToObjectID(), "101");
    EXPECT_EQ(pipe->MapReference(), "F1");
    EXPECT_EQ(pipe->Symbol(), "Lines\\Process Line.sym");
    EXPECT_EQ(object(objects, "N-01")->ObjectType(), "Node");
    EXPECT_EQ(object(objects, "N-02")->ObjectType(), "PipeNode");
    EXPECT_EQ(object(objects, "P-101")->FromObjectID(), "");
    EXPECT_EQ(object(objects, "P-101")->MapSymbol(), "Blocks\\Pumps\\CentrifugalBlock.sym");
    EXPECT_EQ(object(objects, "P-102")->MapSymbol(), "\\Blocks\\Pumps\\ReciprocatingBlock.sym");
}

TEST_F(DemoHostTest, APlotAreaViewPointedAtADrawingPresentsThatDrawingsObjects) {
    auto area = view("By Plot Area", "Area 100 - Feed");
    EXPECT_THAT(tags(*loadedObjects(area)), IsSupersetOf({"P-101", "XV-401", "N-01"}));

    area->setDiagramID(1002);
    EXPECT_THAT(tags(*loadedObjects(area)),
                ElementsAre("C-202", "T-203", "R-204", "S-205", "FCV-404", "MOV-405", "PSV-406", "L-1003"));

    // Other views only remember the drawing.
    auto allObjects = view("By System", "All Objects");
    allObjects->setDiagramID(1002);
    EXPECT_EQ(loadedObjects(allObjects)->Count(), 30);
}

} // namespace
} // namespace kv380::demo::test
