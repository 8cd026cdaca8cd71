#include "control/WorkspaceEvent.h"
#include "support/FakeHost.h"
#include "support/RecordingErrorReporter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace kv380 {
namespace {

using test::FakeHost;
using testing::ElementsAre;
using testing::IsEmpty;

class WorkspaceEventTest : public testing::Test {
protected:
    std::unique_ptr<WorkspaceEvent> makeSink() {
        auto sink = std::make_unique<WorkspaceEvent>();
        sink->OnWorkSpaceConfigure = [this] { raised.push_back("Configure"); };
        sink->OnWorkSpaceClose = [this] { raised.push_back("Close"); };
        sink->OnWorkSpaceOpen = [this] { raised.push_back("Open"); };
        return sink;
    }

    test::ReporterScope reporter;
    FakeHost host;
    std::vector<std::string> raised;
};

TEST_F(WorkspaceEventTest, HostEventTypesOneTwoThreeAreConfigureCloseOpenAndOthersRaiseNothing) {
    auto sink = makeSink();
    EXPECT_FALSE(sink->IsSubscribed());
    sink->setWorkSpaceEvents(host.workspaceEvents());
    EXPECT_TRUE(sink->IsSubscribed());

    for (int32_t type : {0, -1, 4, 1, 2, 3}) {
        host.workspaceEvents()->raise(type);
    }
    EXPECT_THAT(raised, ElementsAre("Configure", "Close", "Open"));

    host.openWorkspace();
    host.closeWorkspace();
    EXPECT_THAT(raised, ElementsAre("Configure", "Close", "Open", "Open", "Close"));
}

TEST_F(WorkspaceEventTest, ARefusedSubscriptionIsReportedWithoutContextAndTheSourceIsKept) {
    auto source = std::make_shared<test::FakeEventSource>(host.ledger(), "Events");
    std::weak_ptr<test::FakeEventSource> watch = source;
    auto sink = makeSink();
    host.failOn("Events.AddSubscriber");

    sink->setWorkSpaceEvents(source);
    ASSERT_EQ(reporter->count(), 1u);
    EXPECT_EQ(reporter->reports()[0].procedure, "");
    EXPECT_EQ(reporter->reports()[0].source, "FakeHost");
    EXPECT_FALSE(sink->IsSubscribed());
    source.reset();
    EXPECT_FALSE(watch.expired()); // held by the sink, though not subscribed to

    // Not subscribed, so clearing makes no host call; the sink lets go of the source when it goes.
    host.clearCalls();
    sink->setWorkSpaceEvents(nullptr);
    EXPECT_THAT(host.calls(), IsEmpty());
    sink.reset();
    EXPECT_TRUE(watch.expired());
}

TEST_F(WorkspaceEventTest, AFailedRemovalIsReportedWithoutContextAndTheSinkEndsUnsubscribed) {
    auto sink = makeSink();
    sink->setWorkSpaceEvents(host.workspaceEvents());
    host.failOn("WorkspaceEvents.RemoveSubscriber");
    sink->setWorkSpaceEvents(nullptr);
    ASSERT_EQ(reporter->count(), 1u);
    EXPECT_EQ(reporter->reports()[0].procedure, "");
    EXPECT_FALSE(sink->IsSubscribed());

    // It keeps working: a new subscription delivers again.
    auto events = std::make_shared<test::FakeEventSource>(host.ledger(), "Events");
    sink->setWorkSpaceEvents(events);
    events->raise(3);
    EXPECT_THAT(raised, ElementsAre("Open"));
}

TEST_F(WorkspaceEventTest, DestroyingASubscribedSinkRemovesItOnce) {
    auto sink = makeSink();
    sink->setWorkSpaceEvents(host.workspaceEvents());
    sink.reset();
    EXPECT_THAT(host.workspaceEvents()->subscriptionLog(),
                ElementsAre("AddSubscriber -> 1", "RemoveSubscriber(1)"));
    EXPECT_EQ(host.workspaceEvents()->subscriberCount(), 0u);
}

} // namespace
} // namespace kv380
