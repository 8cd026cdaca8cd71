// The status bar as the user reads it: reports go after a while, texts of work under way go when it is done.
#include "window/StatusMessages.h"
#include "model/workspace/EventSource.h"
#include "qt/QtTestApp.h"

#include <QStatusBar>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

namespace kv380::demo::test {
namespace {

using namespace std::chrono_literals;
using qt::test::processUntil;

TEST(StatusMessages, AReportGoesAfterItsTimeAndWorkUnderWayStaysUntilItIsDone) {
    QStatusBar bar;
    StatusMessages messages(bar, nullptr, 20ms);
    messages.report("Deleted 1 object(s) from the workspace");
    EXPECT_EQ(bar.currentMessage(), "Deleted 1 object(s) from the workspace");
    EXPECT_TRUE(processUntil([&] { return bar.currentMessage().isEmpty(); }));

    messages.begin("Saving...");
    processUntil([] { return false; }, 100ms);
    EXPECT_EQ(bar.currentMessage(), "Saving...");
    messages.finished("Saving...");
    EXPECT_TRUE(bar.currentMessage().isEmpty());
}

TEST(StatusMessages, TheEndOfWorkLeavesAMessageThatTookItsPlaceAlone) {
    QStatusBar bar;
    StatusMessages messages(bar);
    messages.begin("Saving...");
    messages.report("P-104: the symbol cannot be found");
    messages.finished("Saving...");
    EXPECT_EQ(bar.currentMessage(), "P-104: the symbol cannot be found");
}

TEST(WorkspaceOpening, TheOpeningTextGoesWhenTheWorkspaceSaysItIsOpenAndNotBefore) {
    QStatusBar bar;
    StatusMessages messages(bar);
    auto events = std::make_shared<EventSource>();
    {
        WorkspaceOpening opening(events, messages);
        EXPECT_EQ(events->subscriberCount(), 1u);
        opening.started();
        events->raiseEvent(2); // closed: still opening
        EXPECT_EQ(bar.currentMessage(), WorkspaceOpening::Text);
        events->raiseEvent(3);
        EXPECT_TRUE(bar.currentMessage().isEmpty());
    }
    EXPECT_EQ(events->subscriberCount(), 0u);
}

} // namespace
} // namespace kv380::demo::test
