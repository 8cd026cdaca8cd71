#include "control/COrganisationsEvent.h"
#include "control/CPresentedObjectColEvent.h"
#include "control/CViewsEvent.h"
#include "control/WorkspaceEvent.h"
#include "support/FakeHost.h"
#include "support/RecordingErrorReporter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kv380 {
namespace {

using test::FakeHost;
using testing::ElementsAre;
using testing::IsEmpty;

// The loading chain of a workspace, driven through the four sinks the way the control wires them: open ->
// organisations -> the first organisation's views -> the first view's objects, then close.
struct SessionDriver {
    explicit SessionDriver(std::shared_ptr<IKVDwgApp> dwgApp) : app(std::move(dwgApp)) {
        workspaceEvents.OnWorkSpaceOpen = [this] {
            auto organisations = deref(app->WorkspaceModel()).Organisations();
            orgEvents.setOrganisations(organisations);
            organisations->Load();
        };
        orgEvents.LoadComplete = [this] {
            auto views = deref(orgEvents.Organisations()->Item(1)).Views();
            viewsEvents.setViews(views);
            views->Unload();
            views->Load();
        };
        viewsEvents.LoadComplete = [this] {
            auto objects = deref(viewsEvents.Views()->Item(1)).PresentedObjects();
            objectEvents.setPresentedObjects(objects);
            objects->Load(1);
        };
        objectEvents.LoadComplete = [this] {
            auto objects = objectEvents.PresentedObjects();
            for (int32_t i = 1; i <= objects->Count(); ++i) {
                shown.push_back(deref(objects->Item(i)).ObjectKey());
            }
        };
        workspaceEvents.OnWorkSpaceClose = [this] {
            orgEvents.setOrganisations(nullptr);
            viewsEvents.setViews(nullptr);
            objectEvents.setPresentedObjects(nullptr);
            shown.clear();
        };
        workspaceEvents.setWorkSpaceEvents(app->WorkspaceEventSource());
    }

    std::shared_ptr<IKVDwgApp> app;
    std::vector<std::string> shown;
    COrganisationsEvent orgEvents;
    CViewsEvent viewsEvents;
    CPresentedObjectColEvent objectEvents;
    WorkspaceEvent workspaceEvents;
};

TEST(WorkspaceSession, OpeningLoadsStepByStepAndClosingLetsGoOfEverySource) {
    test::ReporterScope reporter;
    FakeHost host = FakeHost::Builder()
                        .organisation("By Plot Area")
                        .view("All Objects", "PFD")
                        .object({.id = "47", .key = "P-101"})
                        .object({.id = "48", .key = "V-200"})
                        .build();
    SessionDriver session(as<IKVDwgApp>(host.application()->DatabaseServer()));

    host.openWorkspace();
    EXPECT_THAT(host.pendingLoads(), ElementsAre("Organisations"));
    EXPECT_TRUE(host.completeNextLoad());
    EXPECT_THAT(host.pendingLoads(), ElementsAre("Views(By Plot Area)"));
    EXPECT_TRUE(host.completeNextLoad());
    EXPECT_THAT(host.pendingLoads(), ElementsAre("PresentedObjects(By Plot Area/All Objects)"));
    EXPECT_THAT(session.shown, IsEmpty());
    EXPECT_TRUE(host.completeNextLoad());
    EXPECT_THAT(session.shown, ElementsAre("P-101", "V-200"));

    host.closeWorkspace();
    EXPECT_EQ(host.organisations()->subscriberCount(), 0u);
    EXPECT_EQ(host.views("By Plot Area")->subscriberCount(), 0u);
    EXPECT_EQ(host.objects("By Plot Area", "All Objects")->subscriberCount(), 0u);
    EXPECT_TRUE(session.workspaceEvents.IsSubscribed());

    // A second session over the same sinks.
    host.openWorkspace();
    host.completeLoads();
    EXPECT_THAT(session.shown, ElementsAre("P-101", "V-200"));
    EXPECT_EQ(reporter->count(), 0u);
}

} // namespace
} // namespace kv380
